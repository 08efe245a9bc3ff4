#pragma once

#include <QObject>
#include <QString>

#include <string>

#include "BuildingEdit.h"
#include "Decimal4.h"
#include "ProjectDocument.h"

class QTimer;
class QUndoStack;
class TForm1;

// One construction's layer entry row as shown: the number of the layer
// being entered and the four texts of its row.
struct LayerEntryRow {
    std::string Number;
    std::string Material;
    std::string HeatAbsorption;
    std::string Conductivity;
    std::string Thickness;

    friend bool operator==(const LayerEntryRow&, const LayerEntryRow&) = default;
};

// R₀ and K of both constructions as the layer editors last computed them:
// they stand while layer 1 is not entered.
struct KeptResistances {
    Decimal4 WallResistance;
    Decimal4 WallTransmittance;
    Decimal4 RoofResistance;
    Decimal4 RoofTransmittance;

    friend bool operator==(const KeptResistances&, const KeptResistances&) = default;
};

// Everything an undo step puts back: the building with the room and groups
// selected, the project as the controls show it,
// the layer entry rows being filled in and the R₀ and K they showed.
// TForm1::TakeSnapshot reads it from the window and TForm1::RestoreSnapshot
// puts it back.
struct ProjectSnapshot {
    BuildingInputs Building;  // every room, the one shown as its controls show it
    BuildingSelection Selection;
    ProjectInputs Inputs;
    LayerEntryRow WallEntry;
    LayerEntryRow RoofEntry;
    KeptResistances Resistances;

    friend bool operator==(const ProjectSnapshot&, const ProjectSnapshot&) = default;
};

// The window's undo history. Every change of an input is noticed; once the
// action that made it is over (the event that caused it handled, no handler
// running), the project as shown is compared with the snapshot taken after
// the last step, and a step holding both is pushed when they differ. Typing
// into one field makes one step until the field is left or its editing
// finished. Undo and redo put a step's snapshot back without making steps.
class UndoHistory : public QObject {
public:
    UndoHistory(TForm1* form, QUndoStack* stack);

    // A change of an input: compared once its action is over.
    void Noticed();
    // The field typed into is left: its next change begins a new step.
    void Seal();
    // Compares at once what was noticed and not yet compared (the menu
    // opened, an undo asked for).
    void Flush();
    // The project as shown is where the history starts, with no step.
    void Restart();
    void Undo();
    void Redo();
    // Puts a snapshot back (the steps call it).
    void Restore(const ProjectSnapshot& snapshot);
    // Further changes of the same field may join the step on top.
    bool MergeOpen() const { return mergeOpen_; }

private:
    void Compare();

    TForm1* form_;
    QUndoStack* stack_;
    QTimer* timer_;
    ProjectSnapshot last_;
    bool pending_ = false;
    bool sealPending_ = false;
    bool mergeOpen_ = false;
    bool restoring_ = false;
};
