// The example host's sessions, one per family of the library.
#pragma once

#include "library_loader.h"

void runSettingsAndGrids(const QiraLibrary& lib);
void runConversions(const QiraLibrary& lib);
void runCutting(const QiraLibrary& lib);
void runBlends(const QiraLibrary& lib);
void runCharacterization(const QiraLibrary& lib);
void runViscosity(const QiraLibrary& lib);
void runProperties(const QiraLibrary& lib);
void runAssay(const QiraLibrary& lib);
void runChart(const QiraLibrary& lib);
