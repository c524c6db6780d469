// Saving and loading a project as a ".vux" sectioned text file.
#pragma once

#include <string>
#include <vector>

class CSVTiedosto;
class QELVUX_data;

namespace qv {

constexpr const char* kProjectNotVuxFile = "Tiedosto ei ole QEL-VUX 2.0 tallennustiedosto!";

// Builds every section of the project into its own text file (the record's TextFile).
void BuildProjectFile(QELVUX_data& project);
// The same into another sectioned text.
void BuildProjectFile(const QELVUX_data& project, CSVTiedosto& file);

// The lines the project would be saved as, without touching its text file: what tells
// whether it changed since it was opened or saved.
std::vector<std::string> ProjectFileLines(const QELVUX_data& project);

// Builds the file and writes it under name, which becomes the text file's name. The old
// file is replaced only once the new one is wholly written. Returns 0, or -1 when the file
// could not be written (message, when given, then says why; the old file is untouched).
int SaveProject(QELVUX_data& project, const std::string& name, std::string* message = nullptr);

// Reads a project file into the record: 0 on success, -1 to -4 for a bad first section,
// minus the section number for an error in that section. message (when given) receives the
// program's text for the first error, at most 255 characters; on success it is empty, or
// says what was opened otherwise than saved (a saved section the program cannot use).
int LoadProject(QELVUX_data& project, const std::string& name, std::string* message = nullptr);

// The same from lines already in memory (the text file keeps them, its name left empty).
int LoadProjectLines(QELVUX_data& project, const std::vector<std::string>& lines,
                     std::string* message = nullptr);

// Puts the record back to lines ProjectFileLines gave (undo, redo, an open that failed):
// the text file keeps its name and the lines it was opened or saved with.
int RestoreProjectLines(QELVUX_data& project, const std::vector<std::string>& lines,
                        std::string* message = nullptr);

}  // namespace qv
