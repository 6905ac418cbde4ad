#include "uninstaller/page_texts.h"

#include "base/text.h"
#include "translations/active_texts.h"

namespace uninstaller {

using translations::MessageId;
using translations::Text;

std::u16string WelcomeProductText(std::u16string_view productName, std::u16string_view version) {
    return text::Format(
        Text(MessageId::UninstallWelcomeText, u"You are about to uninstall %s Version: %s"),
        {productName, version});
}

std::u16string CompleteText(std::u16string_view productName) {
    return text::Format(
        Text(MessageId::UninstallCompleteText,
             u"The wizard has successfully uninstalled %s from your computer. You can re-install "
             u"this product anytime using product setup file. Thank you for using our "
             u"product.Click Finish to continue."),
        {productName});
}

}  // namespace uninstaller
