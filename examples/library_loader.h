// Loads libQIRAPropCalculator at run time, as a process simulator does, and looks the
// exported functions up by their undecorated names.
#pragma once

#include <dlfcn.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "QIRAPropCalculator.h"

class QiraLibrary {
 public:
  explicit QiraLibrary(const std::string& path) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw std::runtime_error(std::string("cannot load library: ") + dlerror());
  }
  ~QiraLibrary() {
    if (handle_) dlclose(handle_);
  }
  QiraLibrary(const QiraLibrary&) = delete;
  QiraLibrary& operator=(const QiraLibrary&) = delete;

  // The exported function `name` with the signature Fn (a function pointer type).
  template <typename Fn>
  Fn get(const char* name) const {
    void* symbol = dlsym(handle_, name);
    if (!symbol) throw std::runtime_error(std::string("missing export: ") + name);
    return reinterpret_cast<Fn>(symbol);
  }

 private:
  void* handle_ = nullptr;
};

// Temperatures are exchanged in kelvin; the tables show degrees Celsius.
inline double toCelsius(double kelvin) { return kelvin - 273.15; }
inline double fromFahrenheit(double f) { return (f - 32) / 1.8 + 273.15; }

inline void printHeading(const char* title) { std::printf("\n== %s ==\n", title); }

// Looks an export up with the signature its public header declares, e.g.
// auto d86toTbp = QIRA_GET(lib, API3A11_D86toTBP);
#define QIRA_GET(lib, name) (lib).get<decltype(&name)>(#name)
