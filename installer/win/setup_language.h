#pragma once
// The setup's language: the translation the build placed after the program's image that suits
// the user's Windows interface language, or English.

namespace installer {

// Uses the translation, if the setup carries one that suits; English stays otherwise (also for
// a setup whose pack is missing or damaged).
void UseSetupLanguage();

}  // namespace installer
