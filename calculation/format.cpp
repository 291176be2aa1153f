#include "calcunit.h"

namespace calcunit {

std::string FormatOhms(double) { throw Exception("FormatOhms: not built yet"); }

}  // namespace calcunit
