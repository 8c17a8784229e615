-- Starship and station components, starship weapons and vehicle weapons. Every one of these
-- tables is optional in a rules database; the components marked by "Station" hold rows for
-- ships (0) and for stations (non-zero) side by side.
CREATE TABLE tblStarshipArmor (
    "Size" TEXT,
    "Armor" INTEGER,
    "DR" INTEGER,
    "Cost" INTEGER,
    "PilotBonus" INTEGER
);
CREATE INDEX idxStarshipArmorSize ON tblStarshipArmor ("Size" COLLATE NOCASE);

CREATE TABLE tblStarshipCost (
    "MinPoints" INTEGER,
    "MaxPoints" INTEGER,
    "BaseCost" REAL,
    "megaBase" INTEGER,
    "ModCost" REAL,
    "megaMod" INTEGER
);
CREATE INDEX idxStarshipCostMinPoints ON tblStarshipCost ("MinPoints");

CREATE TABLE tblStarshipCrew (
    "Points" INTEGER,
    "Station" INTEGER,
    "MinCrew" INTEGER,
    "MaxCrew" INTEGER,
    "Sizes" TEXT
);
CREATE INDEX idxStarshipCrewPoints ON tblStarshipCrew ("Points");

CREATE TABLE tblStarshipEmplace (
    "Points" INTEGER,
    "Station" INTEGER,
    "MinEmplace" INTEGER,
    "MaxEmplace" INTEGER,
    "Sizes" TEXT
);
CREATE INDEX idxStarshipEmplacePoints ON tblStarshipEmplace ("Points");

CREATE TABLE tblStarshipHull (
    "Points" INTEGER,
    "Station" INTEGER,
    "MinHull" INTEGER,
    "MaxHull" INTEGER,
    "Sizes" TEXT
);
CREATE INDEX idxStarshipHullPoints ON tblStarshipHull ("Points");

CREATE TABLE tblStarshipLife (
    "Points" INTEGER,
    "Station" INTEGER,
    "MinCrew" INTEGER,
    "MaxCrew" INTEGER,
    "Sizes" TEXT
);
CREATE INDEX idxStarshipLifePoints ON tblStarshipLife ("Points");

CREATE TABLE tblStarshipHyper (
    "Drive" TEXT,
    "Station" INTEGER,
    "NormalPoints" INTEGER,
    "BackupPoints" INTEGER,
    "BackupDouble" TEXT
);
CREATE INDEX idxStarshipHyperDrive ON tblStarshipHyper ("Drive" COLLATE NOCASE);

CREATE TABLE tblStarshipShields (
    "Points" INTEGER,
    "Station" INTEGER,
    "MinShield" INTEGER,
    "MaxShield" INTEGER,
    "Sizes" TEXT,
    "DoublePoints" TEXT
);
CREATE INDEX idxStarshipShieldsPoints ON tblStarshipShields ("Points");

CREATE TABLE tblStarshipSize (
    "Name" TEXT,
    "Station" INTEGER,
    "Class" TEXT,
    "Modifier" INTEGER,
    "Points" INTEGER,
    "DR" INTEGER,
    "Armor" INTEGER,
    "MinLenght" INTEGER,
    "MaxLenght" INTEGER,
    "MinMass" INTEGER,
    "MaxMass" INTEGER,
    "MaxSlips" INTEGER,
    "BackupCost" INTEGER,
    "BackupEmplace" INTEGER,
    "SlaveCost" INTEGER
);
CREATE INDEX idxStarshipSizeName ON tblStarshipSize ("Name" COLLATE NOCASE);

CREATE TABLE tblStarshipStowage (
    "Points" INTEGER,
    "Station" INTEGER,
    "MinCargo" INTEGER,
    "MinMetric" INTEGER,
    "MaxCargo" INTEGER,
    "MaxMetric" INTEGER,
    "Sizes" TEXT
);
CREATE INDEX idxStarshipStowagePoints ON tblStarshipStowage ("Points");

CREATE TABLE tblStarshipSupply (
    "Points" INTEGER,
    "Station" INTEGER,
    "Time" INTEGER,
    "Day" INTEGER,
    "Week" INTEGER,
    "Month" INTEGER,
    "Year" INTEGER,
    "Size" TEXT
);
CREATE INDEX idxStarshipSupplyPoints ON tblStarshipSupply ("Points");

CREATE TABLE tblStarshipEngine (
    "MaxSpeed" TEXT,
    "Points" INTEGER,
    "Station" INTEGER,
    "Quality" TEXT,
    "AttackBonus" INTEGER,
    "PilotBonus" INTEGER,
    "Sizes" TEXT
);
CREATE INDEX idxStarshipEnginePoints ON tblStarshipEngine ("Points");

CREATE TABLE tblStarshipYards (
    "Name" TEXT,
    "Multiple" REAL
);
CREATE INDEX idxStarshipYardsName ON tblStarshipYards ("Name" COLLATE NOCASE);

CREATE TABLE tblStarshipWeapons (
    "Name" TEXT,
    "Size" TEXT,
    "FireControl" INTEGER,
    "BatteryFire" INTEGER,
    "NumDamage" INTEGER,
    "DamageType" TEXT,
    "PointBlank" TEXT,
    "Short" TEXT,
    "Medium" TEXT,
    "Long" TEXT,
    "MultFire" INTEGER,
    "AutoFire" INTEGER,
    "Emplace" INTEGER,
    "Cost" INTEGER
);
CREATE INDEX idxStarshipWeaponsName ON tblStarshipWeapons ("Name" COLLATE NOCASE);

-- The range column keeps the spelling "Ramge" of the original tables; tables that name it
-- "Range" are read and written as well.
CREATE TABLE tblVehicleWeapons (
    "Name" TEXT,
    "Size" TEXT,
    "FireControl" INTEGER,
    "PriDamageNum" INTEGER,
    "PriDamageType" TEXT,
    "SecDamageNum" INTEGER,
    "SecDamageType" TEXT,
    "MaxIncrements" INTEGER,
    "Ramge" INTEGER
);
CREATE INDEX idxVehicleWeaponsName ON tblVehicleWeapons ("Name" COLLATE NOCASE);
