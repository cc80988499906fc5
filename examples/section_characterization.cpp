// Example session: characterization.
#include "sections.h"

void runCharacterization(const QiraLibrary& /*lib*/) {}
