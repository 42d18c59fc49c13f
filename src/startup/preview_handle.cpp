#include "startup/preview_handle.h"

#include <string_view>

#include "platform/text_number.h"

namespace bv {

Long FindPreviewHandle(const std::string& commandLine) {
    for (std::size_t length = commandLine.size(); length >= 1; --length) {
        const std::string_view tail =
            std::string_view(commandLine).substr(commandLine.size() - length);
        if (ParseWindowHandle(tail)) return ToLong(ToWindowHandleStrict(tail));
    }
    return 0;
}

}  // namespace bv
