/** @file
 * Export macro and C-compatibility glue shared by every public header.
 *
 * QIRA_API marks every exported function and the two exported classes. The library is
 * built with hidden default visibility, so only what carries QIRA_API is visible to hosts;
 * on Windows it is dllexport while building QIRAPropCalculator.dll and dllimport in hosts.
 * QIRA_C_BEGIN / QIRA_C_END wrap the plain C functions so that their names stay undecorated.
 * Booleans are one byte (C++ bool, C99 _Bool). Missing values are the double -32767.0.
 */
#ifndef QIRA_EXPORT_H
#define QIRA_EXPORT_H

#if defined(_WIN32) || defined(__CYGWIN__)
   /* QIRA_STATIC: code linked against the static archive of the library objects (the
      tests) declares the interface plainly, without dllimport. */
#  if defined(QIRA_STATIC)
#    define QIRA_API
#  elif defined(QIRA_BUILDING_LIBRARY)
#    define QIRA_API __declspec(dllexport)
#  else
#    define QIRA_API __declspec(dllimport)
#  endif
#else
#  define QIRA_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#  define QIRA_C_BEGIN extern "C" {
#  define QIRA_C_END }
#else
#  include <stdbool.h>
#  define QIRA_C_BEGIN
#  define QIRA_C_END
#endif

/** The missing-value marker of the interface, compared by exact equality. */
#define QIRA_MISSING (-32767.0)

#endif /* QIRA_EXPORT_H */
