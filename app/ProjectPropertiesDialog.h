#pragma once

#include <QDialog>

#include <vector>

#include "ProjectProperties.h"

class QWidget;

// «Свойства проекта»: one field per property (PropertyFields), the notes
// over several lines, each as long as the project file keeps; «ОК» and
// «Отмена».
class ProjectPropertiesDialog : public QDialog {
public:
    explicit ProjectPropertiesDialog(const ProjectProperties& properties, QWidget* parent = nullptr);

    // The properties as the fields show them.
    ProjectProperties Properties() const;

private:
    std::vector<QWidget*> fields_;  // in the order of PropertyFields
};
