// The last error of this thread as the system words it.
#include <cerrno>
#include <cstring>

#include "base/text.h"
#include "os/os.h"

namespace os {

std::u16string LastErrorMessage() {
    return text::FromUtf8(std::strerror(errno));
}

}  // namespace os
