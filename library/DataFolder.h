#pragma once
// Where the player's library lives and where the files shipped with the game are read from.
// In the build folder both are the executable's own folder; an installed game keeps the
// player's library in the player's data folder and reads its shipped files from the install tree.
#include <filesystem>
#include <string>
#include <vector>

namespace lexiglade {

// They are equal when the game writes beside its shipped files.
struct DataFolders {
    std::filesystem::path dataDir;    // DataDir: the lists, banks, best times and pictures
    std::filesystem::path shippedDir; // the artwork, sounds, music and starter library shipped
};

// What the folder rule reads from the process environment.
struct DataEnvironment {
    std::string xdgDataHome; // XDG_DATA_HOME; empty when unset
    std::string home;        // HOME, else the home folder of the password entry; may be empty
};

// The shipped folder of an installed game relative to its executable's folder, set by the build
// from the install directories.
extern const char* const kInstalledShippedDir;

// The environment of the running process.
DataEnvironment ProcessEnvironment();

// $XDG_DATA_HOME/lexiglade/ when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/lexiglade/ (in DirectoryForm); empty when neither is known.
std::filesystem::path PlayerDataDir(const DataEnvironment& environment);

// The folders of the game whose executable lies in `programDir`.
// Installed (kInstalledShippedDir exists beside programDir): the shipped files are there and
// DataDir is the player's data folder, so the install tree is never written.
// Otherwise the shipped files lie in programDir itself, which is DataDir while it can be written;
// a read-only programDir sends DataDir to the player's data folder.
// With no player's data folder known, DataDir is the shipped folder.
DataFolders ChooseDataFolders(const std::filesystem::path& programDir,
                              const DataEnvironment& environment);
// ChooseDataFolders for the running executable and the process environment.
DataFolders RunningDataFolders();

// Whether `name` is a file that only the game ships (artwork "a1.asl" to "a6.asl", sound effects
// "sN.asl", music "*.mid"); such files are read from the shipped folder, never copied.
bool IsShippedOnlyFile(const std::string& name);
// Whether `name` is a file of the player's library: a list "aN.asl" other than the artwork, or a
// bank "bN.asl".
bool IsLibraryFile(const std::string& name);

// The path of a shipped-only file: the player's own copy in DataDir when there is one, else the
// shipped one.
std::filesystem::path ShippedFilePath(const DataFolders& folders, const std::string& name);

// Starts a player's library: when DataDir is not the shipped folder and holds no folder tree
// "a7.asl", DataDir (made with mode 0700 where missing) receives every shipped library file
// (IsLibraryFile) and hint picture it lacks, and a record of every shipped title as offered
// (OfferedRecord.h) unless it has one, the folder tree last, so an interrupted start is completed
// by the next. A file DataDir holds is never replaced. Raises LibraryError naming the file or
// folder that cannot be read or written.
void FillPlayerFolder(const DataFolders& folders);

// Copies each shipped picture among `names` that DataDir's pictures lack (FindPicture) into them,
// under the shipped file's name; a name the shipped pictures lack too is passed over. Raises as
// FillPlayerFolder, and "Cannot use file %s: it is a symbolic link" for a shipped link.
void CopyShippedPictures(const DataFolders& folders, const std::vector<std::string>& names);

} // namespace lexiglade
