#pragma once
#include <QDialog>

#include "editor/EditorModel.h"

// The editor window. It owns the subtitle table (in its model) for the
// whole run and mirrors the model's control states in its controls.
class TFelirat : public QDialog {
    Q_OBJECT
public:
    explicit TFelirat(QWidget *parent = nullptr);

    EditorModel &model() { return model_; }

    // The reset state the start window puts the editor in before
    // "Megnyitás": controls disabled, fields cleared.
    void resetState();
    // Sets the time-base combo beosztas ("Time" or "Frame").
    void setTimeBase(const QString &base);

private:
    EditorModel model_;
};
