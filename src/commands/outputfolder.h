#pragma once
// Where the windows that write files (the rib series, Export for cutting, the cutting kit)
// propose to write them: somewhere the user sees, and the folder used last once there is one.
#include <string>

#include "core/ribdocument.h"

namespace commands {

// The folder used last while it still exists and lies outside the program's own data
// folder (hidden from the user: earlier versions proposed it); else the project's folder;
// else the user's documents folder.
std::string ProposedOutputFolder(const std::string& lastUsed, const std::string& projectPath,
                                 const std::string& documentsDir, const std::string& dataDir);
// The same with the user's folders and the document's project.
std::string ProposedOutputFolder(const std::string& lastUsed, const core::RibDocument& document);

// What the status bar says of a file written: its name and its folder, in the user's words
// ("clarky.dxf written to /home/ann/ribs").
std::string WrittenText(const std::string& path);
// The same words with the folder given as it is to be shown (shortened to fit).
std::string WrittenText(const std::string& fileName, const std::string& folderShown);
std::string FolderOfWritten(const std::string& path);

}  // namespace commands
