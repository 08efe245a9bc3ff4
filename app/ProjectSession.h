#pragma once

#include <QString>

#include <optional>
#include <string>

#include "ProjectDocument.h"
#include "ProjectProperties.h"

// The inputs the window hour table was computed from (or loaded with from a
// window table file): the nineteen texts of the windows page and the kind.
struct WindowResultsSource {
    WindowInputTexts Texts;
    WindowKind Kind = WindowKind::Vertical;

    friend bool operator==(const WindowResultsSource&, const WindowResultsSource&) = default;
};

// What the main window keeps of its project beside the controls.
struct ProjectSession {
    QString File;              // full path; empty for a new project
    bool TableFormat = false;  // File is a window table file: "Сохранить" asks for a name
    ProjectInputs Saved;       // the inputs as last saved or opened: the project is modified when they differ
    ProjectInputs StartUp;     // the inputs the controls show at start-up
    // Where the window results come from; empty when the table holds none
    // that count (never computed, a failed computation, "Окна" cleared).
    std::optional<WindowResultsSource> WindowsFrom;
    std::string ResultsFailure;         // the error box text of the last failure to bring the results up to date
    ProjectProperties Properties;       // «Свойства проекта…», for the title and the reports
    ProjectProperties SavedProperties;  // as last saved or opened
};
