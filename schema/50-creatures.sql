-- Creatures: creature types, their levels and size details, templates and climates.
CREATE TABLE tblCreatureClasses (
    "Name" TEXT,
    "MinInt" INTEGER,
    "MaxInt" INTEGER,
    "MinWis" INTEGER,
    "MaxWis" INTEGER,
    "MinCha" INTEGER,
    "MaxCha" INTEGER,
    "SkillPtsFirst" INTEGER,
    "SkillPtsLevel" INTEGER,
    "Vitality" INTEGER,
    "MaxLevel" INTEGER,
    "ClassSkills" TEXT,
    "Feat" TEXT,
    "SpecialQuality" TEXT
);
CREATE INDEX idxCreatureClassesName ON tblCreatureClasses ("Name" COLLATE NOCASE);

CREATE TABLE tblCreatureLevels (
    "Name" TEXT,
    "Level" INTEGER,
    "Attack" INTEGER,
    "SV_Fort" INTEGER,
    "SV_Ref" INTEGER,
    "SV_Will" INTEGER
);
CREATE INDEX idxCreatureLevelsKey ON tblCreatureLevels ("Name" COLLATE NOCASE, "Level");

CREATE TABLE tblCreatureDetails (
    "Name" TEXT,
    "Size" TEXT,
    "MinStr" INTEGER,
    "MaxStr" INTEGER,
    "MinDex" INTEGER,
    "MaxDex" INTEGER,
    "MinCon" INTEGER,
    "MaxCon" INTEGER,
    "Bite" TEXT,
    "Slam" TEXT,
    "Gore" TEXT,
    "Claw" TEXT,
    "VPScale" REAL
);
CREATE INDEX idxCreatureDetailsKey ON tblCreatureDetails ("Name" COLLATE NOCASE, "Size" COLLATE NOCASE);

CREATE TABLE tblCreatureTemplates (
    "Name" TEXT,
    "AttackBonus" INTEGER,
    "MinStr" INTEGER,
    "MaxStr" INTEGER,
    "MinDex" INTEGER,
    "MaxDex" INTEGER,
    "MinCon" INTEGER,
    "MaxCon" INTEGER,
    "MinInt" INTEGER,
    "MaxInt" INTEGER,
    "MinWis" INTEGER,
    "MaxWis" INTEGER,
    "MinCha" INTEGER,
    "MaxCha" INTEGER,
    "Vitality" INTEGER,
    "VitalityBonus" INTEGER,
    "IncreaseDamage" INTEGER,
    "ReduceDamage" INTEGER,
    "Synergy" TEXT,
    "Feats" TEXT,
    "AttackDamage" TEXT,
    "SpecialQuality" TEXT
);
CREATE INDEX idxCreatureTemplatesName ON tblCreatureTemplates ("Name" COLLATE NOCASE);

CREATE TABLE tblCreatureClimates (
    "Name" TEXT,
    "Bonus" TEXT,
    "Qualities" TEXT
);
CREATE INDEX idxCreatureClimatesName ON tblCreatureClimates ("Name" COLLATE NOCASE);
