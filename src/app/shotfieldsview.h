#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include <QObject>
#include <QString>

#include "app/usercommand.h"
#include "model/shotfields.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace sw {

class TAppSettings;
class TDocument;
class TShotPictures;
class TUserPrompts;
struct TProjectPaths;

// The shown shot's fields, a view of one shot of the document: its texts on
// the continuity tab, its camera data, effect and pictures on the breakdown
// tab. Each control is bound to its field through the shot-field table:
// what the user does in it goes to the document as it is done, and the
// control shows what the document announces of that field. Which shot it
// shows, the shot list says.
class TShotFieldsView : public QObject {
    Q_OBJECT
public:
    // The controls go into the widgets given, which the caller lays out.
    TShotFieldsView(TDocument& document, const TProjectPaths& paths, const TAppSettings& settings,
                    TUserPrompts& prompts, QWidget* continuityPage, QWidget* breakdownPage);
    ~TShotFieldsView() override;

    // The continuity tab's texts, and the breakdown tab's camera data and
    // effect, each a widget of its own to be placed beside the shot list.
    QWidget* Texts() const { return texts_; }
    QWidget* Camera() const { return camera_; }
    TShotPictures& Pictures() { return *pictures_; }

    // Shows every field of shot index.
    void ShowShot(int index);
    // The shown shot is now at index (shots put or taken before it): its
    // cumulated time and enabled controls follow.
    void FollowShot(int index);
    // No shot: the controls empty and disabled, reason as their placeholder.
    void ShowNoShot(const QString& reason);
    // Back to the action text, when the continuity tab is the one shown.
    void FocusAction();

private:
    void BuildTexts(QWidget* page);
    QGroupBox* BuildCameraGroup(QWidget* page);
    void BuildBreakdown(QWidget* page);
    // The duration field takes whole seconds only.
    void TakeWholeSeconds();
    void ConnectFieldEdits();
    template <typename Command>
    void Run(Command&& command)
    {
        RunUserCommand(prompts_, dialogParent_, std::forward<Command>(command));
    }

    // The memo of a text field; null for the other fields.
    QPlainTextEdit* MemoOf(ShotField field) const;
    // The combo box of a choice, and for a movement its check box.
    QComboBox* ComboOf(ShotField field) const;
    QCheckBox* CheckOf(ShotField field) const;
    // The field's value, as typed or chosen, to the shown shot.
    void SendField(ShotField field, const ShotFieldValue& value);
    // The shown shot's field in its control, unless it shows it already.
    void ShowField(ShotField field);
    // The document's announcement of a shot's field.
    void ShotChanged(std::size_t index, ShotField field);
    void ShowCumulatedTime();
    void SetEnabled(bool enabled, const QString& placeholder);

    TDocument& document_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    int shown_ = -1;
    int filling_ = 0;

    QWidget* texts_ = nullptr;
    QWidget* camera_ = nullptr;
    QPlainTextEdit* actionMemo = nullptr;
    QPlainTextEdit* sonMemo = nullptr;
    QPlainTextEdit* dlgMemo = nullptr;
    QGroupBox* CamGroup = nullptr;
    QLineEdit* DEdit = nullptr;
    QLabel* cumLab = nullptr;
    QComboBox* CBCadre = nullptr;
    QComboBox* CBAngles = nullptr;
    std::array<QCheckBox*, 3> camChecks{};
    std::array<QComboBox*, 3> camCombos{};
    QPlainTextEdit* effetMemo = nullptr;
    TShotPictures* pictures_ = nullptr;
};

} // namespace sw
