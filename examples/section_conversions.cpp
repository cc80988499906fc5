// Example session: conversions.
#include "sections.h"

void runConversions(const QiraLibrary& /*lib*/) {}
