// Example session: viscosity.
#include "sections.h"

void runViscosity(const QiraLibrary& /*lib*/) {}
