#pragma once
// The screens of the remainder and missing-number drills: a typed-answer
// screen with one more menu, "Scegli il tipo di esercizio", whose two ticked
// items choose the kind of gap and draw a new exercise at once.

#include "drills/tolvena_drill.h"
#include "drills/typed_drill_screen.h"

#include <memory>

class QAction;
class QMenu;

class TolvenaScreen : public TypedDrillScreen {
    Q_OBJECT
public:
    TolvenaScreen(const QString &name, TolvenaDrill::Range range, QWidget *parent = nullptr);

    bool TrovaIlResto() const { return drill_->TrovaIlResto; }
    QString TestoSoluzione() const { return model().exercise().solution; }

    QMenu *mnuTipo = nullptr;
    QAction *mnusomma = nullptr;     // "trova il resto"
    QAction *mnuaddendo = nullptr;   // "trova un numero "

private:
    TolvenaScreen(const QString &name, std::shared_ptr<TolvenaDrill> drill, QWidget *parent);
    void chooseType(bool trovaIlResto);

    std::shared_ptr<TolvenaDrill> drill_;
};

void registerTolvenaDrills();
