#pragma once
// What the File Properties dialog holds while it edits one Other Files entry, and how its
// check boxes act on the other fields. The dialog (builder/ui/win/file_properties.h)
// copies its controls into a form, calls the rule for the box that was clicked and copies the
// form back.

#include <string>

#include "builder/project/project_model.h"

namespace widgets {

// The destination choices of the drop-down list, in the order they are added.
constexpr int kDestinationChoiceCount = 16;
extern const char16_t* const kDestinationChoices[kDestinationChoiceCount];

struct FilePropertiesForm {
    std::u16string fileName;  // shown only, never written back
    std::u16string destination;
    std::u16string shortcut;
    std::u16string parameters;
    bool onlyIfNewer = false;  // its box is always disabled: the value goes back as it came
    bool neverUninstall = false;
    bool autostart = false;
    bool postExecute = false;
    // The destination list is disabled (and holds "{app}") while autostart or post execute is
    // ticked. Opening the dialog does not apply this rule, whatever the flags.
    bool destinationEnabled = true;

    // A flag is ticked exactly when the entry's text is "Yes".
    static FilePropertiesForm FromEntry(const project::FileEntry& entry);
    // The entry OK gives: `original`'s file name, the form's texts, "Yes" or empty for flags.
    project::FileEntry ToEntry(const project::FileEntry& original) const;

    // After Autostart was ticked or unticked (and the controls read into the form).
    void AutostartChanged();
    // After Post Execute was ticked or unticked (and the controls read into the form). Ticking
    // it empties the shortcut: a file run once after installation gets no Start Menu entry.
    void PostExecuteChanged();

  private:
    void ApplyDestinationRule();
};

}  // namespace widgets
