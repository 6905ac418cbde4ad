#include "builder/ui/sections.h"

namespace ui {

const SectionInfo kSections[kSectionCount] = {
    {u"Project Info", u"Project Info", 128,
     u"In this section you need to enter general information about your product name, version, "
     u"publisher address, website, etc. Installation Directory is relative to "
     u"%ProgramFiles(x86)% directory. Please don't define absolute directory."},
    {u"Files", u"Files", 147,
     u"In this section you can add Expert Advisors, Scripts, Custom Indicators or other files "
     u"that you want to install to MetaTrader folder."},
    {u"MetaTrader Options", u"MetaTrader Options", 148,
     u"In this section you can override user's MetaTrader settings regarding Expert Advisors. "
     u"Those settings are found in Tools->Options->Expert Advisors."},
    {u"License Agreement", u"License Agreement", 149,
     u"In this section you need to write the License Agreement that will be prompted to the user "
     u"prior to product installation. If you keep text empty, this section will not appear by "
     u"installation at all."},
    {u"Readme Info", u"Readme Info", 150,
     u"In this section you can write general information about your product, such as product "
     u"introducion, how to use obtain support, etc. If you keep text empty, this section will "
     u"not appear by installation at all."},
    {u"What's New Info", u"What's new Info", 151,
     u"In this section you can write version history of your product to let the user know what "
     u"is changed from version to version, what ferature added, what removed. If you keep text "
     u"empty, this section will not appear by installation at all."},
    {u"Customize", u"Customize", 152,
     u"In this section you can customize your installer appearance to meet your taste, for "
     u"example, you can replace the default banner with your company logo."},
    {u"Build", u"Build", 153,
     u"Please verify all the information you have entered. When you feel they are already "
     u"correct, you can build your installer from this section."},
};

}  // namespace ui
