// OrvaneLib: access to the rules database of a science-fantasy role-playing game.
#pragma once

#include "orvane/attacks.hpp"
#include "orvane/database.hpp"
#include "orvane/host.hpp"
#include "orvane/lists.hpp"
#include "orvane/records/character.hpp"
#include "orvane/records/core.hpp"
#include "orvane/registry.hpp"
#include "orvane/types.hpp"
