-- Gear: armour, weapons and general equipment.
CREATE TABLE tblArmor (
    "Name" TEXT,
    "Feat" TEXT,
    "Cost" INTEGER,
    "Mass" INTEGER,
    "DefenseBonus" INTEGER,
    "MaxDexBonus" INTEGER,
    "ArmorCheck" INTEGER,
    "Move10" INTEGER,
    "Move6" INTEGER,
    "Source" TEXT,
    "Notes" TEXT,
    "Synergy" TEXT,
    "AbilityBonus" TEXT,
    "Description" TEXT,
    "DR" INTEGER
);
CREATE INDEX idxArmorName ON tblArmor ("Name" COLLATE NOCASE);

CREATE TABLE tblWeapons (
    "Name" TEXT,
    "MultFire" INTEGER,
    "AutoFire" INTEGER,
    "Personal" INTEGER,
    "FireControl" INTEGER,
    "AtkType" TEXT,
    "Feat" TEXT,
    "Size" TEXT,
    "Cost" INTEGER,
    "Damage" TEXT,
    "Stun" TEXT,
    "FortDC" TEXT,
    "Critical" INTEGER,
    "Mass" INTEGER,
    "Range" INTEGER,
    "Type" TEXT,
    "Source" TEXT,
    "Notes" TEXT,
    "Description" TEXT,
    "NormalAttack" INTEGER,
    "MultBonus" INTEGER,
    "AutoBonus" INTEGER,
    "Craft" TEXT
);
CREATE INDEX idxWeaponsName ON tblWeapons ("Name" COLLATE NOCASE);

CREATE TABLE tblEquipment (
    "Name" TEXT,
    "Cost" INTEGER,
    "Mass" INTEGER,
    "Synergy" TEXT,
    "Source" TEXT,
    "Notes" TEXT,
    "Description" TEXT
);
CREATE INDEX idxEquipmentName ON tblEquipment ("Name" COLLATE NOCASE);
