// Example session: cutting.
#include "sections.h"

void runCutting(const QiraLibrary& /*lib*/) {}
