// Loads QIRAPropCalculator at run time, as a process simulator does, and looks the
// exported functions up by their undecorated names: dlopen/dlsym on Linux,
// LoadLibrary/GetProcAddress on Windows.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <cstdio>
#include <stdexcept>
#include <string>

#include "QIRAPropCalculator.h"

class QiraLibrary {
 public:
  explicit QiraLibrary(const std::string& path) {
#ifdef _WIN32
    handle_ = LoadLibraryA(path.c_str());
    if (!handle_)
      throw std::runtime_error("cannot load library: " + path + " (error " +
                               std::to_string(GetLastError()) + ")");
#else
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw std::runtime_error(std::string("cannot load library: ") + dlerror());
#endif
  }
  ~QiraLibrary() {
#ifdef _WIN32
    if (handle_) FreeLibrary(handle_);
#else
    if (handle_) dlclose(handle_);
#endif
  }
  QiraLibrary(const QiraLibrary&) = delete;
  QiraLibrary& operator=(const QiraLibrary&) = delete;

  // The address of the export `name` (function or data), or null when it is not exported.
  void* find(const char* name) const {
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(handle_, name));
#else
    return dlsym(handle_, name);
#endif
  }

  // The exported function `name` with the signature Fn (a function pointer type).
  template <typename Fn>
  Fn get(const char* name) const {
    void* symbol = find(name);
    if (!symbol) throw std::runtime_error(std::string("missing export: ") + name);
    return reinterpret_cast<Fn>(symbol);
  }

 private:
#ifdef _WIN32
  HMODULE handle_ = nullptr;
#else
  void* handle_ = nullptr;
#endif
};

// Temperatures are exchanged in kelvin; the tables show degrees Celsius.
inline double toCelsius(double kelvin) { return kelvin - 273.15; }
inline double fromFahrenheit(double f) { return (f - 32) / 1.8 + 273.15; }

inline void printHeading(const char* title) { std::printf("\n== %s ==\n", title); }

// Looks an export up with the signature its public header declares, e.g.
// auto d86toTbp = QIRA_GET(lib, API3A11_D86toTBP);
#define QIRA_GET(lib, name) (lib).get<decltype(&name)>(#name)
