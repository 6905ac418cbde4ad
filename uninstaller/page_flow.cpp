#include "uninstaller/page_flow.h"

namespace uninstaller {

Page NextPage(Page page, int32_t result) {
    if (result == kPageCancel || result == kPageFailed) return Page::End;
    switch (page) {
        case Page::Welcome:
            return Page::Progress;
        case Page::Progress:
            return result == kPageNext ? Page::Complete : Page::Welcome;
        case Page::Complete:
            return result == kPageNext ? Page::End : Page::Welcome;
        case Page::End:
            break;
    }
    return Page::End;
}

}  // namespace uninstaller
