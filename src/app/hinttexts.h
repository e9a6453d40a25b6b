#pragma once

#include <QString>

namespace sw {

// The hint the information panel shows for a tag: 0 to 3 for the tabs, the
// other numbers for the controls that carry them; empty for an unknown tag.
QString HintText(int n);

} // namespace sw
