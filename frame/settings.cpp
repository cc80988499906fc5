// The conversion settings and their exported setters. No setter checks its value: each
// reader applies its own test.
#include "frame/settings.h"

#include "QIRASettings.h"

namespace qira {

ConversionSettings& settings() {
  static ConversionSettings values;
  return values;
}

}  // namespace qira

using qira::settings;

QIRA_C_BEGIN

QIRA_API void SetIBPValue(double percent) { settings().ibpValue = percent; }
QIRA_API void SetFBPValue(double percent) { settings().fbpValue = percent; }
QIRA_API void SetD2887option(int option) { settings().d2887Option = option; }
QIRA_API void SetDistCurFitOption(int option) { settings().distCurFitOption = option; }
QIRA_API void SetD86Method(int method) { settings().d86Method = method; }

QIRA_API void SetOptions(double ibpPercent, double fbpPercent, int d2887Option,
                         int distCurFitOption) {
  auto& s = settings();
  s.ibpValue = ibpPercent;
  s.fbpValue = fbpPercent;
  s.d2887Option = d2887Option;
  s.distCurFitOption = distCurFitOption;
}

QIRA_API void SetOptionsNew(double ibpPercent, double fbpPercent, int d2887Option,
                            int distCurFitOption, int d86Method) {
  SetOptions(ibpPercent, fbpPercent, d2887Option, distCurFitOption);
  settings().d86Method = d86Method;
}

QIRA_API void ShouldConstrainConversionRange(bool constrain) {
  settings().constrainRange = constrain;
}

QIRA_API int GetD86Setting(void) { return settings().d86Method; }

QIRA_C_END
