#pragma once
// What a conversion needs from the program that runs it: the paths and check
// flags it reads, and the few ways it talks to the user. The main window and
// the command-line converter each implement this.

#include <string>

#include "brisel_version.h"
#include "convert/problems.h"

namespace brisel {

enum class IconKind { None, Error, Warning, Information };

// Set by the name and pin checks during a conversion, read by its end-of-run
// warnings. Cleared when a conversion starts.
struct CheckFlags {
    bool NameTooLong = false;
    bool BadCharacter = false;
    bool BadPinNumber = false;
};

// Every path is a folder that ends in its separator and a file name; the full
// path is the two joined with nothing between them. An empty folder means the
// current directory.
struct JobSettings {
    std::string SourcePath;
    std::string SourceFile;
    std::string TargetPath;
    std::string TargetFile;
    std::string AppVersion = version::kAppVersion;
    std::string SpoolFileName = "BriselTemp.txt";    // connection spool
    std::string JoinedFileName = "BriselTemp2.txt";  // joined copy
};

class ConversionHost {
public:
    virtual ~ConversionHost() = default;

    virtual const JobSettings& Settings() const = 0;
    virtual CheckFlags& Flags() = 0;

    // Sets the progress caption and repaints it at once.
    virtual void SetProgressCaption(const std::string& caption) = 0;
    // A modal message box with an OK button; returns when it is closed.
    virtual void ShowMessage(const std::string& text, const std::string& title, IconKind icon) = 0;
    virtual void Beep() = 0;
    // Moves the keyboard focus to the source path box.
    virtual void FocusSource() = 0;

    // Where each occurrence of a problem is told, or nullptr (the default)
    // when only the message boxes are wanted.
    virtual ProblemSink* Problems() { return nullptr; }
};

}  // namespace brisel
