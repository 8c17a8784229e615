-- Invented sample content: creature types with levels 1 to 5 and size details, templates
-- and climates.
INSERT INTO tblCreatureClasses ("Name", "MinInt", "MaxInt", "MinWis", "MaxWis", "MinCha", "MaxCha", "SkillPtsFirst", "SkillPtsLevel", "Vitality", "MaxLevel", "ClassSkills", "Feat", "SpecialQuality") VALUES
    ('Beast', 1, 2, 8, 14, 2, 8, 8, 2, 8, 20, 'Climb, Jump, Listen, Spot, Survival', 'Track, Run', 'Low-Light Vision, Scent'),
    ('Construct', 0, 0, 1, 10, 1, 6, 0, 0, 10, 20, NULL, NULL, 'Mindless, Hardened Shell'),
    ('Vermin', 0, 1, 6, 12, 1, 4, 4, 1, 6, 12, 'Climb, Hide', 'Alertness', NULL);

INSERT INTO tblCreatureLevels ("Name", "Level", "Attack", "SV_Fort", "SV_Ref", "SV_Will") VALUES
    ('Beast', 1, 0, 2, 2, 0),
    ('Beast', 2, 1, 3, 3, 0),
    ('Beast', 3, 2, 3, 3, 1),
    ('Beast', 4, 3, 4, 4, 1),
    ('Beast', 5, 3, 4, 4, 1),
    ('Construct', 1, 0, 0, 0, 0),
    ('Construct', 2, 1, 0, 0, 0),
    ('Construct', 3, 2, 1, 1, 1),
    ('Construct', 4, 3, 1, 1, 1),
    ('Construct', 5, 3, 1, 1, 1),
    ('Vermin', 1, 0, 2, 0, 0),
    ('Vermin', 2, 1, 3, 0, 0),
    ('Vermin', 3, 2, 3, 1, 1),
    ('Vermin', 4, 3, 4, 1, 1),
    ('Vermin', 5, 3, 4, 1, 1);

INSERT INTO tblCreatureDetails ("Name", "Size", "MinStr", "MaxStr", "MinDex", "MaxDex", "MinCon", "MaxCon", "Bite", "Slam", "Gore", "Claw", "VPScale") VALUES
    ('Beast', 'Small', 4, 8, 12, 18, 8, 12, '1d4', '1d3', '1d4', '1d2', 0.75),
    ('Beast', 'Medium', 8, 14, 10, 16, 10, 14, '1d6', '1d4', '1d6', '1d3', 1),
    ('Beast', 'Large', 14, 22, 8, 14, 12, 18, '1d8', '1d6', '1d8', '1d4', 1.5),
    ('Construct', 'Medium', 12, 18, 6, 12, 0, 0, '', '1d6', '', '', 1),
    ('Vermin', 'Tiny', 1, 4, 14, 20, 6, 10, '1d2', '', '', '1', 0.5);

INSERT INTO tblCreatureTemplates ("Name", "AttackBonus", "MinStr", "MaxStr", "MinDex", "MaxDex", "MinCon", "MaxCon", "MinInt", "MaxInt", "MinWis", "MaxWis", "MinCha", "MaxCha", "Vitality", "VitalityBonus", "IncreaseDamage", "ReduceDamage", "Synergy", "Feats", "AttackDamage", "SpecialQuality") VALUES
    ('Void-Touched', 1, 2, 4, 0, 2, 2, 4, 0, 0, 0, 2, 0, 0, 2, 4, 1, 0, '0:Intimidate:2', 'Toughness', 'Bite:2, Claw:1', 'Darkvision, Cold Resistance'),
    ('Feral', 0, 2, 2, 2, 2, 0, 0, -2, -2, 0, 0, -2, -2, 0, 0, 0, 0, '0:Survival:2, 0:Listen:1', NULL, NULL, 'Scent'),
    ('Stunted', -1, -4, -2, 0, 0, -2, -2, 0, 0, 0, 0, 0, 0, -2, -1, 0, 1, NULL, NULL, NULL, NULL);

INSERT INTO tblCreatureClimates ("Name", "Bonus", "Qualities") VALUES
    ('Ice Fields', '0:Survival:2', 'Cold Resistance'),
    ('Ash Desert', '0:Survival:1, 0:Hide:2', 'Heat Resistance, Dust Sight'),
    ('Drowned Forest', NULL, 'Amphibious'),
    ('Open Void', NULL, NULL);
