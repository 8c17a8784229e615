-- Invented sample content: droid bonuses, degrees, equipment, makers and quirks.
INSERT INTO tblDroidBonus ("Name", "Multiple", "Skills") VALUES
    ('Skill Chip', 1, 'Computer Use, Repair, Astrogate'),
    ('Linguistics Core', 0, 'Speak Language, Read/Write Language'),
    ('Blank Socket', 0, NULL);

INSERT INTO tblDroidDegree ("Name", "Str", "Dex", "Con", "Int", "Wis", "Cha", "Classes") VALUES
    ('First Degree', -2, 0, 0, 2, 2, 0, 'Diplomat, Expert'),
    ('Second Degree', 0, 0, 0, 2, 0, -2, 'Expert, Tech Specialist'),
    ('Fourth Degree', 2, 0, -2, 0, 0, 0, 'Soldier, Scout'),
    ('Fifth Degree', 4, -2, 2, -4, 0, -4, NULL);

INSERT INTO tblDroidEquip ("Name", "Cost", "Mass", "Synergy", "Source", "Notes") VALUES
    ('Sensor Array', 1200, 3, '0:Spot:2, 0:Search:1', 'Machine Codex', 'Mounted on the head.'),
    ('Magnetic Feet', 400, 2, '0:Climb:2', 'Machine Codex', NULL),
    ('Heavy Chassis', 75000, 120, NULL, NULL, 'Needs a reinforced frame.'),
    ('Vocabulator', 50, 1, NULL, NULL, NULL);

INSERT INTO tblDroidMakers ("Name", "Str", "Dex", "Con", "Int", "Wis", "Cha", "MoveMod", "MoveMax", "BonusAmt", "BonusAny", "PenaltyAmt", "PenaltyAny", "AddQuirks", "SpecialQualities", "Synergy", "BonusSelect") VALUES
    ('Halden Works', 2, 0, 2, -2, 0, 0, -2, 8, 2, 1, -2, 1, 0, 'Reinforced Frame', '0:Intimidate:1', 'Repair:2|1:3'),
    ('Cinder Logic', 0, 2, 0, 2, 0, -2, 0, 10, 1, 2, 0, 0, 1, NULL, '0:Computer Use:2, 0:Disable Device:1', 'Computer Use:3|1:1:4'),
    ('Velt Automata', 0, 0, 0, 0, 0, 0, 2, 12, 0, 0, -1, 2, 2, 'Quiet Servos', NULL, NULL);

INSERT INTO tblDroidQuirks ("Name", "Move", "SpecialQuality", "Synergy", "BonusFeats", "SkillMastery") VALUES
    ('Stuttering Vocoder', 0, 'Garbled Speech', '0:Bluff:-2', NULL, NULL),
    ('Overtuned Actuators', 2, NULL, '0:Jump:2, 0:Tumble:1', 'Run', 'Scout Mastery:1|1'),
    ('Curious Subroutine', 0, 'Wanders', '0:Search:2', 'Alertness, Skill Focus', 'Pilot Mastery:2|1:3'),
    ('Rust Patches', -2, NULL, NULL, NULL, NULL);
