#include "abacus/abacus_screen.h"
#include "aids/complete_squares_screen.h"
#include "aids/bars_screen.h"
#include "aids/hundred_count_screen.h"
#include "aids/hundred_table_screen.h"
#include "aids/make_ten_screen.h"
#include "aids/tens_units_screen.h"
#include "column/column_screen.h"
#include "drills/possible_screen.h"
#include "drills/tolvena_screen.h"
#include "drills/typed_drill_screen.h"
#include "frame/navigation.h"
#include "shell/catalogue.h"
#include "shell/shell.h"

void registerAllScreens()
{
    registerScreen({QStringLiteral("FormAvvio"), Catalogue::None, [] { return new FormAvvio; }});
    registerScreen({QStringLiteral("FormMenu"), Catalogue::None, [] { return new FormMenu; }});
    for (const CatalogueDesign *d : {&numbersCatalogue(), &graphicCatalogue()})
        registerScreen({d->name, Catalogue::None, [d] { return new CatalogueScreen(*d); }});
    registerTypedDrills();
    registerTolvenaDrills();
    registerPossibleDrill();
    registerMakeTen();
    registerBars();
    registerTensUnits();
    registerColumnScreens();
    registerHundredTable();
    registerHundredCount();
    registerCompleteScreens();
    registerAbacusScreens();
}
