#pragma once
// Small builders for the controls of the designs, positioned in twips.

#include <QRect>
#include <QString>

#include <functional>

class QAbstractButton;
class QAction;
class QColor;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;
class QWidget;

// A control of a design: its object name, its text, its box and its face.
struct Control {
    QString name;
    QString text{};
    QRect box{};   // twips
    double points = 0;
    QString family = QStringLiteral("Arial");
    bool bold = true;
};

QLabel *makeLabel(QWidget *parent, const Control &control);

// A picture stretched to its box (twips).
QLabel *makePicture(QWidget *parent, const QString &objectName, const QString &pictureName,
                    const QRect &box);

// A button with a 32 x 32 picture above its text.
QToolButton *makePictureButton(QWidget *parent, const Control &control,
                               const QString &pictureName);

QPushButton *makeButton(QWidget *parent, const Control &control);

// The field a child types an answer in, in Arial bold, judged on Enter
// released there (frame/keyboard.h).
struct AnswerField {
    QString name;
    QString spokenName;   // what a screen reader calls it
    QRect box;            // twips
    double points = 36;
    int maxLength = 3;
    bool centred = true;  // else the style's own alignment
};
QLineEdit *makeAnswerField(QWidget *parent, const AnswerField &field, std::function<void()> judge);

class QSize;
// Sizes a screen's client area: the design area (twips), unless the display
// is smaller, and never less than what its shown controls need.
void fitClientArea(QWidget *area, int designWidth, int designHeight);

// A button painted flat in a designed colour, with a plain border, its
// caption and a focus frame, rather than in the style's shaded gradient.
void setButtonColour(QAbstractButton *button, const QColor &colour);

// Menu items that show a tick when chosen and nothing when not (no empty
// box beside the others).
void tick(QAction *item, bool chosen);
