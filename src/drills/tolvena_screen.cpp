#include "drills/tolvena_screen.h"

#include "frame/navigation.h"
#include "frame/widgets.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <utility>

namespace {
TypedDrillRow rowDrawingFrom(const QString &name, const std::shared_ptr<TolvenaDrill> &drill)
{
    TypedDrillRow row = tolvenaRow(name);
    row.draw = [drill] { return drill->draw(); };
    return row;
}

std::shared_ptr<TolvenaDrill> drillOver(TolvenaDrill::Range range)
{
    auto drill = std::make_shared<TolvenaDrill>();
    drill->range = range;
    return drill;
}
} // namespace

TolvenaScreen::TolvenaScreen(const QString &name, TolvenaDrill::Range range, QWidget *parent)
    : TolvenaScreen(name, drillOver(range), parent)
{
}

TolvenaScreen::TolvenaScreen(const QString &name, std::shared_ptr<TolvenaDrill> drill,
                             QWidget *parent)
    : TypedDrillScreen(rowDrawingFrom(name, drill), parent), drill_(std::move(drill))
{
    mnuTipo = addScreenMenu(QStringLiteral("Scegli il tipo di esercizio") + QString(8, QLatin1Char(' ')),
                            QStringLiteral("mnuTipo"));
    mnusomma = mnuTipo->addAction(QStringLiteral("trova il resto"));
    mnusomma->setObjectName(QStringLiteral("mnusomma"));
    mnuaddendo = mnuTipo->addAction(QStringLiteral("trova un numero "));
    mnuaddendo->setObjectName(QStringLiteral("mnuaddendo"));
    tick(mnusomma, true);
    tick(mnuaddendo, false);
    connect(mnusomma, &QAction::triggered, this, [this] { chooseType(true); });
    connect(mnuaddendo, &QAction::triggered, this, [this] { chooseType(false); });
}

void TolvenaScreen::chooseType(bool trovaIlResto)
{
    drill_->TrovaIlResto = trovaIlResto;
    // Choosing the item already ticked keeps its tick (a checkable item
    // would otherwise clear it on the click).
    tick(mnusomma, trovaIlResto);
    tick(mnuaddendo, !trovaIlResto);
    // After a right answer the field is closed; the new exercise must be
    // answerable, so the screen goes back to asking as "avanti" would.
    if (model().state() == TypedDrillModel::State::Solved) {
        Text1->setEnabled(true);
        avanti()->setEnabled(false);
    }
    GeneraEsercizio();
}

void registerTolvenaDrills()
{
    using Range = TolvenaDrill::Range;
    for (const auto &screen : {std::pair(QStringLiteral("FormTolvena10"), Range::UpToMaximum),
                               std::pair(QStringLiteral("FormTolvena20"), Range::BelowTen)}) {
        const QString name = screen.first;
        const Range range = screen.second;
        registerScreen(typedDrillFrame(tolvenaRow(name)),
                       [name, range] { return new TolvenaScreen(name, range); });
    }
}
