#pragma once

#include "radicaltable.h"
#include "segmentation.h"
#include "strokedata.h"

#include <QList>
#include <QSet>
#include <vector>

namespace datagen {

// The radicals of the chart with their stroke centre lines, for matching against characters:
// a radical drawn from a glyph takes the glyph's own strokes, one drawn from strokes of an
// example character takes those strokes. Radicals whose strokes the package lacks are left out.
QList<RadicalShape> radicalShapes(const std::vector<Radical>& table, const StrokeData& strokes);
// The same and the forms seen only in characters split by hand, for checking and naming their
// parts.
QList<RadicalShape> handSplitShapes(const std::vector<Radical>& table, const StrokeData& strokes);

// Characters that are themselves radicals of the chart (their codes name strokes, not radicals).
QSet<QString> radicalCharacters(const std::vector<Radical>& table);

} // namespace datagen
