#include "calcunit.h"

namespace calcunit {

std::string QuarterWaveText(std::string_view, std::string_view) {
  throw Exception("QuarterWaveText: not built yet");
}
std::string OpenShortText(std::string_view, std::string_view, std::string_view, std::string_view) {
  throw Exception("OpenShortText: not built yet");
}

}  // namespace calcunit
