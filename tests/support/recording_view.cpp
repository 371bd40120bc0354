#include "tests/support/recording_view.h"

#include <algorithm>

namespace coilrun::testing {

bool RecordingView::Called(const std::string& call) const {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

}  // namespace coilrun::testing
