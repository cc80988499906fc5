// Example session: blends.
#include "sections.h"

void runBlends(const QiraLibrary& /*lib*/) {}
