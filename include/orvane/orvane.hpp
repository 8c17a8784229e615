// OrvaneLib: access to the rules database of a science-fantasy role-playing game.
#pragma once

#include "orvane/attacks.hpp"
#include "orvane/database.hpp"
#include "orvane/host.hpp"
#include "orvane/kinds.hpp"
#include "orvane/maintenance.hpp"
#include "orvane/lists.hpp"
#include "orvane/records/character.hpp"
#include "orvane/records/core.hpp"
#include "orvane/records/creatures.hpp"
#include "orvane/records/droids.hpp"
#include "orvane/records/gear.hpp"
#include "orvane/records/starships.hpp"
#include "orvane/registry.hpp"
#include "orvane/types.hpp"
