#pragma once

// Variants of a problem with new numbers, for a class test where pupils side
// by side must not copy each other's results. Every datum is multiplied by
// the same factor (lengths by k, areas by k²), so the figure stays a figure
// of the same shape: a trapezium keeps its bases in order, a triangle its
// sides within the triangle inequality, and a Pythagorean triple stays a
// triple, chosen backwards as a multiple of the original's. The factors are
// fractions n/m (m = 1, 2, 4, 5, 10) from 1/5 to 30; one is kept only when
// every datum then needs no more decimals than the teacher wrote for it, and
// every result worked out through the same computation the key check found
// (KeyCheck::computation) is exact wherever the original was. The numbers of
// the data are replaced in the text where they stand, and none of the old
// numbers is among the new ones; the figure is kept.
// Factors from 1/2 to 4 are offered first, in random order.

#include "problemfile.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

namespace Variants {

// Either the variants asked for, or an Italian sentence saying why there are
// none (and then no variant at all).
struct Outcome {
    QList<Problem> variants;
    QString refusal;
};

// One variant with new numbers.
Outcome make(const Problem &problem, QRandomGenerator &random);
// `count` variants, all different from each other and from the problem.
Outcome makeMany(const Problem &problem, int count, QRandomGenerator &random);

} // namespace Variants
