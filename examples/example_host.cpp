// Example host: loads the library at run time (dlopen, LoadLibrary on Windows), as a
// process simulator does, and runs a short session of typical requests, printing
// readable tables.
//
// Usage: example_host [path/to/libQIRAPropCalculator.so | QIRAPropCalculator.dll]
// Without an argument the library is looked for beside the build's examples folder.
#include <cstdio>
#include <exception>
#include <string>

#include "sections.h"

#ifndef QIRA_LIBRARY_PATH
#define QIRA_LIBRARY_PATH "libQIRAPropCalculator.so"
#endif

int main(int argc, char** argv) {
  std::string path = argc > 1 ? argv[1] : QIRA_LIBRARY_PATH;
  try {
    QiraLibrary lib(path);
    std::printf("QIRAPropCalculator example host (library: %s)\n", path.c_str());
    runSettingsAndGrids(lib);
    runConversions(lib);
    runCutting(lib);
    runBlends(lib);
    runCharacterization(lib);
    runViscosity(lib);
    runProperties(lib);
    runAssay(lib);
    runChart(lib);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "example host: %s\n", e.what());
    return 1;
  }
  return 0;
}
