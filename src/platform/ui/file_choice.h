#pragma once
// A file the user is asked for: to read one that exists, to write one anew, or to add to
// one that may already exist. The real window asks in a file dialog; the headless mode
// answers from the command line (--KEY FILE), since a script has nobody to ask.

#include <string>

namespace ui {

enum class FilePurpose {
  kOpen,    // an existing file, to read
  kSave,    // written anew: replacing one that exists is confirmed first
  kAppend,  // added to: an existing file is kept, so nothing to confirm
};

struct FileChoiceRequest {
  FilePurpose purpose = FilePurpose::kOpen;
  // What the file is for, one lower-case word ("profile", "report"): the headless mode
  // takes the answer from the option --KEY.
  std::string key;
  std::string title;      // the dialog's caption
  std::string filter;     // "参数文件 (*.ini)"; empty: every file
  std::string suggested;  // where the dialog starts: the last file chosen, or empty
};

}  // namespace ui
