// Reading a text project with toml11. toml11 reports errors by throwing, so this file is built
// with exceptions and catches every one of them here: callers get a message, never an
// exception. Its own checks throw ReadError to leave the walk at the first bad value.
#include <map>
#include <sstream>
#include <toml.hpp>

#include "base/text.h"
#include "builder/build/rich_text_file.h"
#include "cli/file_bytes.h"
#include "cli/paths.h"
#include "cli/text_project/folder_entry.h"
#include "cli/text_project/plain_text_rtf.h"
#include "cli/text_project/schema.h"
#include "cli/text_project/text_project.h"
#include "cli/text_project/toml_guards.h"
#include "translations/setup_languages.h"

namespace cli::text_project {

namespace {

using Value = toml::basic_value<toml::discard_comments, std::map, std::vector>;
using project::ProjectModel;

// A project holds three texts of at most 20239 characters and some paths; anything this large
// is no project.
constexpr size_t kMaxProjectBytes = 4u * 1024 * 1024;
// An .rtf file larger than this cannot fit into its field, whatever it holds.
constexpr size_t kMaxRtfFileBytes = 4 * project::kRtfCapacity;

struct ReadError {
    std::u16string message;
};

const char* TypeName(toml::value_t type) {
    switch (type) {
        case toml::value_t::boolean:
            return "a boolean";
        case toml::value_t::integer:
            return "an integer";
        case toml::value_t::floating:
            return "a floating-point number";
        case toml::value_t::string:
            return "a string";
        case toml::value_t::offset_datetime:
        case toml::value_t::local_datetime:
        case toml::value_t::local_date:
        case toml::value_t::local_time:
            return "a date or time";
        case toml::value_t::array:
            return "an array";
        case toml::value_t::table:
            return "a table";
        case toml::value_t::empty:
            break;
    }
    return "nothing";
}

std::string Join(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

std::string Indexed(const std::string& key, size_t index) {
    return key + "[" + std::to_string(index) + "]";
}

class Reader {
  public:
    Reader(std::u16string displayName, os::Path folder)
        : displayName_(std::move(displayName)), folder_(std::move(folder)) {}

    void Read(const Value& root, TextProject* project) {
        model_ = &project->model;
        files_ = &project->files;
        project::ResetProject(model_);
        CheckKeys(root, "", {kProductTable, kOptionsTable, kTextsTable, kFilesTable, kSetupTable});
        if (const Value* table = Table(root, kProductTable)) ReadProduct(*table);
        if (const Value* table = Table(root, kOptionsTable)) ReadOptions(*table);
        if (const Value* table = Table(root, kTextsTable)) ReadTexts(*table);
        if (const Value* table = Table(root, kSetupTable)) ReadSetup(*table);
        if (const Value* table = Table(root, kFilesTable)) ReadFiles(*table);
    }

  private:
    std::u16string Where(const Value& value, size_t column = 0) const {
        const toml::source_location location = value.location();
        return text::Format(u"%s:%d:%d", {displayName_, text::FromInt(location.line()),
                                          text::FromInt(column ? column : location.column())});
    }

    [[noreturn]] void Fail(const Value& at, const std::string& message) const {
        throw ReadError{Where(at) + u": " + text::FromUtf8(message)};
    }

    // Refuses the keys of `table` that are not in `known`: the first of them in the file,
    // pointing at the key itself when it is on the line of its value.
    void CheckKeys(const Value& table, const std::string& path,
                   const std::vector<std::string>& known) const {
        const std::string* first = nullptr;
        const Value* firstValue = nullptr;
        auto before = [](const Value& a, const Value& b) {
            const toml::source_location x = a.location();
            const toml::source_location y = b.location();
            return x.line() != y.line() ? x.line() < y.line() : x.column() < y.column();
        };
        for (const auto& [key, value] : table.as_table()) {
            bool found = false;
            for (const std::string& name : known) found = found || key == name;
            if (found || (firstValue != nullptr && !before(value, *firstValue))) continue;
            first = &key;
            firstValue = &value;
        }
        if (first == nullptr) return;
        const toml::source_location location = firstValue->location();
        const size_t valueAt = location.column() > 0 ? location.column() - 1 : 0;
        size_t keyAt = location.line_str().rfind(*first, valueAt);
        if (keyAt == std::string::npos) keyAt = location.line_str().find(*first);  // [header]
        const std::string where = path.empty() ? "the top level" : "[" + path + "]";
        throw ReadError{Where(*firstValue, keyAt == std::string::npos ? 0 : keyAt + 1) +
                        text::FromUtf8(": unknown key " +
                                       (path.empty() ? *first : path + "." + *first) + "; " +
                                       where + " takes " + Join(known))};
    }

    const Value* Find(const Value& table, const std::string& key) const {
        const auto& entries = table.as_table();
        const auto found = entries.find(key);
        return found == entries.end() ? nullptr : &found->second;
    }

    void Expect(const Value& value, toml::value_t type, const std::string& path,
                const char* what) const {
        if (value.type() != type) {
            Fail(value, path + " must be " + what + ", not " + TypeName(value.type()));
        }
    }

    const Value* Table(const Value& parent, const std::string& key) const {
        const Value* table = Find(parent, key);
        if (table != nullptr) Expect(*table, toml::value_t::table, key, "a table");
        return table;
    }

    // A string of at most capacity - 1 UTF-16 units without a zero character, which is what a
    // field of the project file can hold.
    std::u16string Text(const Value& value, const std::string& path, size_t capacity) const {
        Expect(value, toml::value_t::string, path, "a string");
        std::u16string result = text::FromUtf8(value.as_string().str);
        CheckFits(value, path, result, capacity, "characters");
        return result;
    }

    void CheckFits(const Value& at, const std::string& path, const std::u16string& result,
                   size_t capacity, const char* what) const {
        if (result.find(u'\0') != std::u16string::npos) {
            Fail(at, path + " holds the character U+0000, which a project cannot store");
        }
        if (result.size() >= capacity) {
            Fail(at, path + " is too long: " + std::to_string(result.size()) + " " + what +
                         ", at most " + std::to_string(capacity - 1));
        }
    }

    void ReadProduct(const Value& table) {
        std::vector<std::string> known;
        for (const ProductKey& key : kProductKeys) {
            known.push_back(key.key);
            if (key.field == &ProjectModel::startMenuGroup) known.push_back(kVersionKey);
        }
        CheckKeys(table, kProductTable, known);
        bool hasDirectory = false;
        bool hasGroup = false;
        for (const ProductKey& key : kProductKeys) {
            const Value* value = Find(table, key.key);
            if (value == nullptr) continue;
            model_->*key.field =
                Text(*value, std::string(kProductTable) + "." + key.key, key.capacity);
            hasDirectory = hasDirectory || key.field == &ProjectModel::productDirectory;
            hasGroup = hasGroup || key.field == &ProjectModel::startMenuGroup;
        }
        // A product without its own folder or group gets them named after it.
        if (!hasDirectory) model_->productDirectory = model_->productName;
        if (!hasGroup) model_->startMenuGroup = model_->productDirectory;
        if (const Value* value = Find(table, kVersionKey)) ReadVersion(*value);
    }

    // "1.2.0.0": four decimal numbers, each within 32 bits; a "-" before a number is allowed,
    // as a project file can hold negative numbers.
    void ReadVersion(const Value& value) {
        const std::string path = std::string(kProductTable) + "." + kVersionKey;
        Expect(value, toml::value_t::string, path, "a string such as \"1.2.0.0\"");
        const std::string& version = value.as_string().str;
        std::vector<std::string> numbers(1);
        for (const char c : version) {
            if (c == '.') {
                numbers.emplace_back();
            } else {
                numbers.back() += c;
            }
        }
        bool good = numbers.size() == model_->version.size();
        for (size_t i = 0; good && i < numbers.size(); ++i) {
            const std::string& number = numbers[i];
            const size_t digits = !number.empty() && number[0] == '-' ? 1 : 0;
            good = number.size() > digits && number.size() - digits <= 10 &&
                   number.find_first_not_of("0123456789", digits) == std::string::npos;
            const int64_t parsed = good ? std::stoll(number) : 0;
            good = good && parsed >= INT32_MIN && parsed <= INT32_MAX;
            numbers[i] = std::to_string(parsed);
        }
        if (!good) {
            Fail(value, path + " must be four numbers such as \"1.2.0.0\", each at most " +
                            "2147483647, not \"" + version + "\"");
        }
        for (size_t i = 0; i < numbers.size(); ++i) {
            model_->version[i] = text::FromUtf8(numbers[i]);
        }
    }

    void ReadOptions(const Value& table) {
        std::vector<std::string> known;
        for (const auto& info : project::kExpertOptionInfo) known.push_back(info.name);
        CheckKeys(table, kOptionsTable, known);
        for (int i = 0; i < project::kExpertOptionCount; ++i) {
            const Value* value = Find(table, known[i]);
            if (value == nullptr) continue;
            const std::string path = std::string(kOptionsTable) + "." + known[i];
            model_->expertOptions[i] = Option(*value, path);
        }
    }

    project::OptionState Option(const Value& value, const std::string& path) const {
        if (value.is_string()) {
            for (int state = 0; state < 3; ++state) {
                if (value.as_string().str == kOptionWords[state]) {
                    return static_cast<project::OptionState>(state);
                }
            }
        } else if (value.is_integer() && value.as_integer() >= INT32_MIN &&
                   value.as_integer() <= INT32_MAX) {
            return static_cast<project::OptionState>(value.as_integer());
        }
        Fail(value, path + " must be \"on\", \"off\" or \"unchanged\"");
    }

    void ReadTexts(const Value& table) {
        std::vector<std::string> known;
        for (const TextKey& key : kTextKeys) known.push_back(key.key);
        CheckKeys(table, kTextsTable, known);
        for (const TextKey& key : kTextKeys) {
            const Value* value = Find(table, key.key);
            if (value == nullptr) continue;
            model_->*key.field = RichText(*value, std::string(kTextsTable) + "." + key.key);
        }
    }

    // "File.rtf", { text = "plain text" } or { rtf = "{\rtf1 ...}" }; "" for no text.
    std::u16string RichText(const Value& value, const std::string& path) const {
        if (value.is_string()) return RtfFile(value, path);
        if (!value.is_table()) {
            Fail(value, path + " must be the path of an .rtf file, or a table with text or rtf, " +
                            "not " + TypeName(value.type()));
        }
        CheckKeys(value, path, {kPlainTextKey, kRtfKey});
        const Value* plain = Find(value, kPlainTextKey);
        const Value* rtf = Find(value, kRtfKey);
        if ((plain == nullptr) == (rtf == nullptr)) {
            Fail(value, path + " takes either " + kPlainTextKey + " or " + kRtfKey);
        }
        const std::string inner = path + "." + (plain ? kPlainTextKey : kRtfKey);
        if (rtf != nullptr) return Text(*rtf, inner, project::kRtfCapacity);
        Expect(*plain, toml::value_t::string, inner, "a string");
        const std::u16string result = PlainTextToRtf(text::FromUtf8(plain->as_string().str));
        CheckFits(*plain, inner, result, project::kRtfCapacity, "characters of RTF");
        return result;
    }

    std::u16string RtfFile(const Value& value, const std::string& path) const {
        const std::u16string file = text::FromUtf8(value.as_string().str);
        if (file.empty()) return {};
        std::string bytes;
        std::u16string error;
        if (!ReadWholeFile(ResolveAgainst(folder_, file), kMaxRtfFileBytes, &bytes, &error)) {
            throw ReadError{Where(value) + u": " + text::FromUtf8(path) + u": " + error};
        }
        std::u16string rtf = build::RtfTextFromFileBytes(bytes);
        if (!build::IsRtfDocument(rtf)) {
            Fail(value, path + ": " + value.as_string().str +
                            " is not an RTF document (it does not start with {\\rtf); give " +
                            "plain text as " + path + ".text");
        }
        CheckFits(value, path, rtf, project::kRtfCapacity, "characters of RTF");
        return rtf;
    }

    void ReadSetup(const Value& table) {
        std::vector<std::string> known;
        for (const SetupKey& key : kSetupKeys) known.push_back(key.key);
        CheckKeys(table, kSetupTable, known);
        for (const SetupKey& key : kSetupKeys) {
            const Value* value = Find(table, key.key);
            if (value == nullptr) continue;
            const std::u16string path =
                Text(*value, std::string(kSetupTable) + "." + key.key, project::kPathCapacity);
            model_->*key.field = path;
            if (key.field == &ProjectModel::language) {
                if (!path.empty() && !translations::IsLanguageTag(path)) {
                    Fail(*value, std::string(kSetupTable) + ".language: no language \"" +
                                     text::ToUtf8(path) + "\"; the languages are " +
                                     text::ToUtf8(translations::LanguageTags()));
                }
            } else if (key.field != &ProjectModel::targetFile && !path.empty()) {
                files_->push_back({path, Where(*value)});
            }
        }
    }

    // The one check of how many files a project names.
    void CheckFileCount(const Value& files) const {
        size_t count = model_->otherFiles.size();
        for (const auto& paths : model_->paths) count += paths.size();
        if (count > kMaxUserFiles) {
            Fail(files, std::string(kFilesTable) + " names " + std::to_string(count) +
                            " files; a setup holds at most " + std::to_string(kMaxUserFiles) +
                            " besides its own five");
        }
    }

    void ReadFiles(const Value& table) {
        std::vector<std::string> known(std::begin(kCategoryKeys), std::end(kCategoryKeys));
        known.push_back(kOtherKey);
        CheckKeys(table, kFilesTable, known);
        for (int c = 0; c < project::kPathCategoryCount; ++c) {
            const Value* list = Find(table, kCategoryKeys[c]);
            if (list == nullptr) continue;
            const std::string path = std::string(kFilesTable) + "." + kCategoryKeys[c];
            Expect(*list, toml::value_t::array, path, "an array of paths");
            const auto& items = list->as_array();
            for (size_t i = 0; i < items.size(); ++i) {
                const std::u16string file =
                    Text(items[i], Indexed(path, i), project::kPathCapacity);
                model_->paths[c].push_back(file);
                files_->push_back({file, Where(items[i])});
            }
        }
        if (const Value* list = Find(table, kOtherKey)) ReadOtherFiles(*list);
        CheckFileCount(table);
    }

    void ReadOtherFiles(const Value& list) {
        const std::string path = std::string(kFilesTable) + "." + kOtherKey;
        Expect(list, toml::value_t::array, path, "an array of tables ([[files.other]])");
        std::vector<std::string> known(std::begin(kEntryKeys), std::end(kEntryKeys));
        known.insert(known.end(), {kFolderKey, kIncludeKey, kExcludeKey});
        const auto& items = list.as_array();
        for (size_t i = 0; i < items.size(); ++i) {
            const Value& item = items[i];
            const std::string itemPath = Indexed(path, i);
            Expect(item, toml::value_t::table, itemPath, "a table");
            CheckKeys(item, itemPath, known);
            project::FileEntry entry = project::NewFileEntry(u"");
            for (int k = 0; k < project::kFileEntryColumnCount; ++k) {
                const Value* value = Find(item, kEntryKeys[k]);
                if (value == nullptr) continue;
                const std::string keyPath = itemPath + "." + kEntryKeys[k];
                std::u16string& column = project::EntryColumn(entry, k);
                if (k >= kFirstFlagColumn && value->is_boolean()) {
                    column = value->as_boolean() ? u"Yes" : u"";
                } else if (k >= kFirstFlagColumn && !value->is_string()) {
                    Fail(*value,
                         keyPath + " must be true or false, not " + TypeName(value->type()));
                } else {
                    column = Text(*value, keyPath, project::kPathCapacity);
                }
            }
            const Value* file = Find(item, kEntryKeys[0]);
            const Value* folder = Find(item, kFolderKey);
            if ((file == nullptr) == (folder == nullptr)) {
                Fail(item, itemPath + " needs either a file or a folder");
            }
            if (file != nullptr) {
                for (const char* key : {kIncludeKey, kExcludeKey}) {
                    if (const Value* value = Find(item, key)) {
                        Fail(*value, itemPath + "." + key + " belongs to a folder, not a file");
                    }
                }
                files_->push_back({entry.fileName, Where(*file)});
                model_->otherFiles.push_back(entry);
                continue;
            }
            ReadFolder(item, *folder, itemPath, entry);
        }
    }

    // A folder entry, expanded into one entry for each of its files.
    void ReadFolder(const Value& item, const Value& folder, const std::string& itemPath,
                    const project::FileEntry& entry) {
        FolderEntry tree;
        tree.folder = Text(folder, itemPath + "." + kFolderKey, project::kPathCapacity);
        tree.entry = entry;
        tree.include = Patterns(item, itemPath, kIncludeKey);
        tree.exclude = Patterns(item, itemPath, kExcludeKey);
        std::vector<project::FileEntry> expanded;
        const std::u16string error = ExpandFolderEntry(tree, folder_, &expanded);
        if (!error.empty()) throw ReadError{Where(folder) + u": " + error};
        for (project::FileEntry& file : expanded) {
            files_->push_back({file.fileName, Where(folder)});
            model_->otherFiles.push_back(std::move(file));
        }
    }

    std::vector<std::u16string> Patterns(const Value& item, const std::string& itemPath,
                                         const char* key) const {
        std::vector<std::u16string> patterns;
        const Value* list = Find(item, key);
        if (list == nullptr) return patterns;
        const std::string path = itemPath + "." + key;
        Expect(*list, toml::value_t::array, path, "an array of patterns such as \"*.mqh\"");
        const auto& items = list->as_array();
        for (size_t i = 0; i < items.size(); ++i) {
            patterns.push_back(Text(items[i], Indexed(path, i), project::kPathCapacity));
        }
        return patterns;
    }

    std::u16string displayName_;
    os::Path folder_;
    ProjectModel* model_ = nullptr;
    std::vector<FileReference>* files_ = nullptr;
};

// One line from toml11's report of a syntax error, which is several: the first says what, the
// marked source lines say where ("  3 | name = " under which "    |        ^--- here"). The
// last mark is the place of the error: a key defined twice is marked first where it was
// defined, then where it is defined again.
std::u16string SyntaxErrorLine(const toml::syntax_error& error, const std::u16string& name) {
    std::istringstream lines(error.what());
    std::string first;
    std::getline(lines, first);
    for (const char* prefix : {"[error] ", "toml::"}) {
        if (first.rfind(prefix, 0) == 0) first.erase(0, std::string(prefix).size());
    }
    // "parse_key_value_pair: missing value ..." loses the name of toml11's function.
    const size_t colon = first.find(": ");
    if (colon != std::string::npos && first.find(' ') > colon) first.erase(0, colon + 2);

    size_t lineNumber = error.location().line();
    size_t column = error.location().column();
    std::string comment;
    std::string line;
    std::string previous;
    while (std::getline(lines, line)) {
        const size_t bar = line.find(" | ");
        const size_t mark = line.find_first_of("^~", bar == std::string::npos ? 0 : bar + 3);
        if (bar != std::string::npos && mark != std::string::npos &&
            line.find_first_not_of(' ') == bar + 1) {
            size_t number = 0;
            for (size_t i = previous.find_first_of("0123456789");
                 i < previous.size() && previous[i] >= '0' && previous[i] <= '9' && number < 1e9;
                 ++i) {
                number = number * 10 + static_cast<size_t>(previous[i] - '0');
            }
            if (number > 0) lineNumber = number;
            column = mark - (bar + 3) + 1;
            const size_t space = line.find(' ', mark);
            comment = space == std::string::npos ? "" : line.substr(space + 1);
        }
        previous = line;
    }
    while (!first.empty() && (first.back() == '.' || first.back() == ' ')) first.pop_back();
    if (!comment.empty() && comment != "here") first += " (" + comment + ")";
    return text::Format(u"%s:%d:%d: %s", {name, text::FromInt(lineNumber), text::FromInt(column),
                                          text::FromUtf8(first)});
}

}  // namespace

std::u16string Unavailable() {
    return {};
}

std::u16string ParseTextProject(std::string_view bytes, const os::Path& path,
                                TextProject* project) {
    const std::string name = text::ToUtf8(path);
    if (std::u16string error = CheckUtf8(bytes, path); !error.empty()) return error;
    if (std::u16string error = CheckNesting(bytes, path); !error.empty()) return error;
    try {
        std::istringstream stream{std::string(bytes)};
        const Value root = toml::parse<toml::discard_comments, std::map, std::vector>(stream, name);
        TextProject result;
        Reader(path, FolderOf(path)).Read(root, &result);
        *project = std::move(result);
        return {};
    } catch (const ReadError& error) {
        return error.message;
    } catch (const toml::syntax_error& error) {
        return SyntaxErrorLine(error, path);
    } catch (const std::exception& error) {
        return text::Format(u"%s cannot be read as TOML: %s", {path, text::FromUtf8(error.what())});
    }
}

std::u16string ReadTextProject(const os::Path& path, TextProject* project) {
    std::string bytes;
    std::u16string error;
    if (!ReadWholeFile(path, kMaxProjectBytes, &bytes, &error)) return error;
    return ParseTextProject(bytes, path, project);
}

}  // namespace cli::text_project
