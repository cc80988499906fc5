// Example session: properties.
#include "sections.h"

void runProperties(const QiraLibrary& /*lib*/) {}
