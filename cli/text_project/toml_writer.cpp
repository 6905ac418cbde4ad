// Writing a project as a text project: every field, under the names of schema.h, with comments
// that explain the keys, so that the file is also the template "tessark new --toml" writes.
#include "base/text.h"
#include "builder/build/rich_text_file.h"
#include "builder/project/version_number.h"
#include "cli/text_project/schema.h"
#include "cli/text_project/text_project.h"
#include "cli/text_project/toml_strings.h"

namespace cli::text_project {

namespace {

using project::ProjectModel;

// Where a comment after a value starts, when the value leaves room for it.
constexpr size_t kCommentColumn = 36;

constexpr const char* kHeader =
    "# A Tessark project: \"tessark build THIS.toml\" builds the setup program it describes.\n"
    "# Paths are taken from this file's folder; \"/\" and \"\\\" both separate folders.\n";

constexpr const char* kOptionsComment =
    "# What the setup sets in each MetaTrader terminal it installs into: \"on\", \"off\", or\n"
    "# \"unchanged\" to leave the user's own setting.\n";

constexpr const char* kTextsComment =
    "# The pages the setup shows; \"\" shows none. Each is an RTF file (license = "
    "\"License.rtf\"),\n"
    "# plain text (license.text = \"...\") or RTF written here (license = { rtf = '{\\rtf1 ...}' "
    "}).\n";

constexpr const char* kFilesComment =
    "# The files, at most 10 in each category, installed into each terminal's experts folder.\n";

constexpr const char* kOtherComment =
    "# Other files: one [[files.other]] table each. Only \"file\" is required.\n"
    "#   [[files.other]]\n"
    "#   file = \"Manual.pdf\"\n"
    "#   destination = \"{app}\"      # {app} (the product folder), {desktop}, {mydocuments},\n"
    "#                              # {windir}, {winsysdir}, {bootdir}, {metatrader}\\experts...\n"
    "#   shortcut = \"Scout Manual\"  # a Start Menu shortcut; \"\" or left out for none\n"
    "#   parameters = \"\"            # the shortcut's command-line parameters\n"
    "#   onlyIfNewer = false\n"
    "#   neverUninstall = false     # true: the uninstaller leaves it\n"
    "#   autostart = false          # true: a Startup shortcut starts it with Windows\n"
    "#   postExecute = false        # true: started when the installation ends\n";

constexpr const char* kCategoryComments[project::kPathCategoryCount] = {
    "experts", "experts\\indicators", "experts\\scripts", "experts\\sounds", "experts\\libraries",
};

class Writer {
  public:
    Writer(std::u16string_view stem, TextProjectFiles* files) : stem_(stem), files_(files) {}

    bool Write(const ProjectModel& model) {
        out_ = kHeader;
        WriteProduct(model);
        WriteOptions(model);
        WriteTexts(model);
        WriteFiles(model);
        WriteSetup(model);
        files_->toml = out_;
        return failure_.empty();
    }

    const std::u16string& failure() const { return failure_; }

  private:
    // `value` as a TOML string; `key` names it in the message when it cannot be one.
    std::string Quoted(std::u16string_view value, const std::string& key) {
        std::string quoted;
        if (!TomlString(value, &quoted)) {
            if (failure_.empty()) {
                failure_ = text::Format(
                    u"%s holds a lone UTF-16 surrogate, which a TOML file cannot carry",
                    {text::FromUtf8(key)});
            }
            return "\"\"";
        }
        return quoted;
    }

    void Line(const std::string& key, const std::string& value, const char* comment = nullptr) {
        std::string line = key + " = " + value;
        if (comment != nullptr) {
            if (line.size() < kCommentColumn) line.resize(kCommentColumn, ' ');
            line += std::string(line.back() == ' ' ? "" : "  ") + "# " + comment;
        }
        out_ += line + "\n";
    }

    void WriteProduct(const ProjectModel& model) {
        out_ += std::string("\n[") + kProductTable + "]\n";
        for (const ProductKey& key : kProductKeys) {
            const char* comment = nullptr;
            if (key.field == &ProjectModel::productDirectory) {
                comment = "the folder below Program Files";
            }
            Line(key.key, Quoted(model.*key.field, std::string(kProductTable) + "." + key.key),
                 comment);
            if (key.field == &ProjectModel::startMenuGroup) {
                std::u16string version;
                for (const std::u16string& part : model.version) {
                    const int32_t number = project::VersionNumberFromText(part);
                    version += (version.empty() ? u"" : u".") + text::FromInt(number);
                }
                Line(kVersionKey, Quoted(version, kVersionKey), "major.minor.build.revision");
            }
        }
    }

    void WriteOptions(const ProjectModel& model) {
        out_ += std::string("\n") + kOptionsComment + "[" + kOptionsTable + "]\n";
        for (int i = 0; i < project::kExpertOptionCount; ++i) {
            const auto state = static_cast<int32_t>(model.expertOptions[i]);
            const std::string value = state >= 0 && state <= 2
                                          ? std::string("\"") + kOptionWords[state] + "\""
                                          : std::to_string(state);
            Line(project::kExpertOptionInfo[i].name, value);
        }
    }

    void WriteTexts(const ProjectModel& model) {
        out_ += std::string("\n") + kTextsComment + "[" + kTextsTable + "]\n";
        for (const TextKey& key : kTextKeys) {
            const std::u16string& rtf = model.*key.field;
            if (rtf.empty()) {
                Line(key.key, "\"\"");
            } else if (FitsRtfFile(rtf)) {
                const std::u16string name = std::u16string(stem_) + text::FromUtf8(key.fileSuffix);
                files_->rtfFiles.push_back({name, build::RtfFileBytes(rtf)});
                Line(key.key, Quoted(name, std::string(kTextsTable) + "." + key.key));
            } else {
                const std::string quoted = Quoted(rtf, std::string(kTextsTable) + "." + key.key);
                Line(key.key, std::string("{ ") + kRtfKey + " = " + quoted + " }");
            }
        }
    }

    // An .rtf file gives back exactly this text when it is pure ASCII and an RTF document.
    static bool FitsRtfFile(const std::u16string& rtf) {
        for (const char16_t c : rtf) {
            if (c >= 0x80) return false;
        }
        return build::IsRtfDocument(rtf);
    }

    std::string PathArray(const std::vector<std::u16string>& paths, const std::string& key) {
        if (paths.empty()) return "[]";
        std::string array = "[\n";
        for (const std::u16string& path : paths) array += "    " + Quoted(path, key) + ",\n";
        return array + "]";
    }

    void WriteFiles(const ProjectModel& model) {
        out_ += std::string("\n") + kFilesComment + "[" + kFilesTable + "]\n";
        for (int c = 0; c < project::kPathCategoryCount; ++c) {
            const std::string array =
                PathArray(model.paths[c], std::string(kFilesTable) + "." + kCategoryKeys[c]);
            Line(kCategoryKeys[c], array,
                 array.find('\n') == std::string::npos ? kCategoryComments[c] : nullptr);
        }
        out_ += std::string("\n") + kOtherComment;
        for (size_t i = 0; i < model.otherFiles.size(); ++i) {
            out_ += std::string("\n[[") + kFilesTable + "." + kOtherKey + "]]\n";
            const std::string path =
                std::string(kFilesTable) + "." + kOtherKey + "[" + std::to_string(i) + "].";
            for (int k = 0; k < project::kFileEntryColumnCount; ++k) {
                const std::u16string& value = project::EntryColumn(model.otherFiles[i], k);
                if (k < kFirstFlagColumn) {
                    Line(kEntryKeys[k], Quoted(value, path + kEntryKeys[k]));
                } else if (value == u"Yes" || value.empty()) {
                    Line(kEntryKeys[k], value.empty() ? "false" : "true");
                } else if (value != u"0") {  // "0", as for a file just added, is left out
                    Line(kEntryKeys[k], Quoted(value, path + kEntryKeys[k]));
                }
            }
        }
    }

    void WriteSetup(const ProjectModel& model) {
        out_ += std::string("\n[") + kSetupTable + "]\n";
        const char* comments[] = {
            "an .ico file; \"\" for the built-in icon",
            "a 160 x 320 picture; \"\" for the built-in one",
            "the setup program; -o overrides it",
            "the setup's one language, such as \"ru\"; \"\" for the user's Windows language",
        };
        for (size_t i = 0; i < std::size(kSetupKeys); ++i) {
            const SetupKey& key = kSetupKeys[i];
            Line(key.key, Quoted(model.*key.field, std::string(kSetupTable) + "." + key.key),
                 comments[i]);
        }
    }

    std::u16string_view stem_;
    TextProjectFiles* files_;
    std::string out_;
    std::u16string failure_;
};

}  // namespace

std::u16string FormatTextProject(const ProjectModel& model, std::u16string_view stem,
                                 TextProjectFiles* files) {
    TextProjectFiles result;
    Writer writer(stem, &result);
    if (!writer.Write(model)) return writer.failure();
    *files = std::move(result);
    return {};
}

}  // namespace cli::text_project
