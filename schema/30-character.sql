-- The character rules: special qualities, species, feats and bonus-feat selections, skills
-- and skill mastery, classes, class levels, prestige classes, bonus features and
-- cross-class sets.
CREATE TABLE tblSpecialQualities (
    "Name" TEXT,
    "SpecialQualities" TEXT,
    "GivenFeats" TEXT,
    "BypassFeats" TEXT,
    "Bonus" TEXT,
    "Synergy" TEXT,
    "Description" TEXT
);
CREATE INDEX idxSpecialQualitiesName ON tblSpecialQualities ("Name" COLLATE NOCASE);

CREATE TABLE tblSpecies (
    "Species" TEXT,
    "Str" INTEGER,
    "Dex" INTEGER,
    "Con" INTEGER,
    "Int" INTEGER,
    "Wis" INTEGER,
    "Cha" INTEGER,
    "BonusFeats" INTEGER,
    "NPC" INTEGER,
    "BonusSkillPts" INTEGER,
    "Move" INTEGER,
    "Swim" INTEGER,
    "Fly" INTEGER,
    "Other" INTEGER,
    "Size" TEXT,
    "Homeworld" TEXT,
    "FlyType" TEXT,
    "OtherType" TEXT,
    "SpecialQualities" TEXT,
    "Speak" TEXT,
    "ReadWrite" TEXT,
    "Synergy" TEXT,
    "ClassSkills" TEXT,
    "ForbiddenFeats" TEXT,
    "ForbiddenSkills" TEXT,
    "ForbiddenClass" TEXT,
    "RestrictedSkills" TEXT,
    "AddFeat" TEXT,
    "Source" TEXT,
    "MaxChild" INTEGER,
    "MaxYoung" INTEGER,
    "MaxAdult" INTEGER,
    "MaxMiddle" INTEGER,
    "MaxOld" INTEGER,
    "BonusFeat" TEXT,
    "MinHeight" REAL,
    "MaxHeight" REAL,
    "MinWeight" INTEGER,
    "MaxWeight" INTEGER,
    "Description" TEXT,
    "ReplaceClsFeats" TEXT
);
CREATE INDEX idxSpeciesSpecies ON tblSpecies ("Species" COLLATE NOCASE);

CREATE TABLE tblFeats (
    "Feat" TEXT,
    "GainMultiple" INTEGER,
    "AumenFeat" INTEGER,
    "Bonus" TEXT,
    "Source" TEXT,
    "Notes" TEXT,
    "Description" TEXT,
    "ReqTainted" INTEGER,
    "ReqDarkSide" INTEGER,
    "MinRequirements" TEXT,
    "MaxRequirements" TEXT,
    "AbilityRequirements" TEXT,
    "SkillRequirements" TEXT,
    "FeatRequirements" TEXT,
    "SpeciesRequirements" TEXT,
    "HomeworldRequirements" TEXT,
    "OrFeatRequirements" TEXT,
    "ClassRequirements" TEXT,
    "OrClassRequirements" TEXT,
    "OrSkillRequirements" TEXT
);
CREATE INDEX idxFeatsFeat ON tblFeats ("Feat" COLLATE NOCASE);
CREATE VIEW qryFeats AS SELECT * FROM tblFeats ORDER BY "Feat" COLLATE NOCASE;

CREATE TABLE tblClassesBonus (
    "Name" TEXT,
    "Feats" TEXT,
    "IncExotic" INTEGER,
    "IncSkillNorm" INTEGER,
    "IncSkillAumen" INTEGER,
    "RequireRanks" INTEGER,
    "IncAllNorm" INTEGER,
    "IncAllAumen" INTEGER
);
CREATE INDEX idxClassesBonusName ON tblClassesBonus ("Name" COLLATE NOCASE);

CREATE TABLE tblSkills (
    "Name" TEXT,
    "Attribute" TEXT,
    "SubNumber" INTEGER,
    "ArmorCheck" INTEGER,
    "SubSkills" INTEGER,
    "Aumen" INTEGER,
    "DarkSide" INTEGER,
    "LightSide" INTEGER,
    "TrainedOnly" INTEGER,
    "Synergy" TEXT,
    "Source" TEXT,
    "Notes" TEXT,
    "CreatureUse" INTEGER,
    "DroidUse" INTEGER,
    "UntrainedHeuristic" INTEGER,
    "Description" TEXT,
    "SubSynergy" TEXT,
    "SecAbility" TEXT,
    "SubSuggest" TEXT,
    "Feat" TEXT,
    "SkillRequirements" TEXT,
    "ClassRequirements" TEXT,
    "SpeciesRequirements" TEXT,
    "MinRequirements" TEXT,
    "MaxRequirements" TEXT,
    "AbilityRequirements" TEXT
);
CREATE INDEX idxSkillsName ON tblSkills ("Name" COLLATE NOCASE);
-- Ordinary skills first, then those of the mystic power, each group by name.
CREATE VIEW qrySkills AS
    SELECT "Name", "Aumen", "Attribute", "SecAbility", "TrainedOnly" FROM tblSkills
    ORDER BY COALESCE("Aumen", 0) <> 0, "Name" COLLATE NOCASE;

CREATE TABLE tblSkillMastery (
    "Name" TEXT,
    "Number" INTEGER,
    "Skills" TEXT
);
CREATE INDEX idxSkillMasteryName ON tblSkillMastery ("Name" COLLATE NOCASE);

CREATE TABLE tblClasses (
    "Class" TEXT,
    "Hero" INTEGER,
    "Prestige" INTEGER,
    "AumenClass" INTEGER,
    "VaelClass" INTEGER,
    "KhorClass" INTEGER,
    "Vitality" INTEGER,
    "SkillPtsLevel" INTEGER,
    "MaxLevel" INTEGER,
    "WisVitality" INTEGER,
    "AumenOnlyPts" INTEGER,
    "NormalOnlyPts" INTEGER,
    "Source" TEXT,
    "ClassSkills" TEXT,
    "ForbiddenClass" TEXT,
    "ForbiddenFeats" TEXT,
    "ForbiddenSkills" TEXT,
    "RestrictedSkills" TEXT,
    "Description" TEXT,
    "TradeLevels" TEXT
);
CREATE INDEX idxClassesClass ON tblClasses ("Class" COLLATE NOCASE);

CREATE TABLE tblClassesLevels (
    "Class" TEXT,
    "Level" INTEGER,
    "Attack" INTEGER,
    "SV_Fort" INTEGER,
    "SV_Ref" INTEGER,
    "SV_Will" INTEGER,
    "SpecialQualities" TEXT,
    "GivenFeats" TEXT,
    "GivenBonus" TEXT,
    "GlowbladeDamage" TEXT,
    "Defense" INTEGER,
    "Reputation" INTEGER,
    "SkillMastery" TEXT,
    "CrossClass" TEXT,
    "BonusFeatures" TEXT
);
CREATE INDEX idxClassesLevelsKey ON tblClassesLevels ("Class" COLLATE NOCASE, "Level");

CREATE TABLE tblClassPrestige (
    "Class" TEXT,
    "ReqTainted" INTEGER,
    "ReqDarkSide" INTEGER,
    "SpeciesNonLevel" INTEGER,
    "MinRequirements" TEXT,
    "MaxRequirements" TEXT,
    "AbilityRequirements" TEXT,
    "SkillRequirements" TEXT,
    "ClassRequirements" TEXT,
    "FeatRequirements" TEXT,
    "WriteRequirements" TEXT,
    "SpeakRequirements" TEXT,
    "SpeciesRequirements" TEXT,
    "HomeworldRequirements" TEXT,
    "SpecialRequirements" TEXT,
    "OrFeatRequirements" TEXT,
    "OrSkillRequirements" TEXT,
    "OrClassRequirements" TEXT,
    "OrSpecialRequirements" TEXT
);
CREATE INDEX idxClassPrestigeClass ON tblClassPrestige ("Class" COLLATE NOCASE);

CREATE TABLE tblClassFeatures (
    "Name" TEXT,
    "List" TEXT,
    "Multiple" INTEGER,
    "Number" INTEGER
);
CREATE INDEX idxClassFeaturesName ON tblClassFeatures ("Name" COLLATE NOCASE);

CREATE TABLE tblCrossClass (
    "Name" TEXT,
    "ClassSkills" TEXT
);
CREATE INDEX idxCrossClassName ON tblCrossClass ("Name" COLLATE NOCASE);
