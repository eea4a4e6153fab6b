#pragma once
#include "formulacatalogue.h"
#include <QImage>
namespace FormulaRenderer { QImage render(const FormulaCatalogue::Entry &entry, qreal devicePixelRatio = 1.0); }
