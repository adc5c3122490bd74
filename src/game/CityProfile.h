#pragma once

#include "core/ContentTables.h"
#include "core/Random.h"
#include "core/Result.h"
#include "core/World.h"

namespace veltrane {

// Rolls a city's profile (description, economy, police, energy price) from
// the planet's life form and the content tables. Below life form 4 nothing
// changes. A description template that does not fit its six texts is an error.
Status GenerateCityProfile(int lifeform, TCity& city, const TContentTables& tables, TRandom& rng);

} // namespace veltrane
