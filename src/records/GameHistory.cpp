#include "records/GameHistory.h"

#include "shell/StringTable.h"
#include "shell/TextTools.h"

namespace tessaron {

namespace {

constexpr int HistoryFaultTextBase = 974;  // + the fault's kind: 975 to 978

} // namespace

std::string HistoryFaultText(const HistoryFault& fault, int stringBase)
{
    const int number = stringBase + HistoryFaultTextBase + int(fault.Kind);
    std::string text(ResourceString(number).value_or("^0: ^1"));
    text = ReplaceSubString(text, "^0", fault.Path);
    return ReplaceSubString(text, "^1", fault.Detail.empty() ? std::string("-") : fault.Detail);
}

} // namespace tessaron
