#pragma once
// The set-up patterns shared by every creature: each row of the catalogue is
// written into its records, in the order of the rows.

#include <span>

#include "scene/catalogue_row.h"

namespace bv {

// Gives every record of every row its sheet, start frame, steps and start
// position. The random generator is seeded again from the clock before each
// creature (before each member of a school and again before placing its
// leader; before each bubble), and a creature draws its start frame, then X,
// then Y; a bubble draws Y before X.
void SetUpCatalogue(std::span<const CatalogueRow> rows);

}  // namespace bv
