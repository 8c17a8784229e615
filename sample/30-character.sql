-- Invented sample content: the character rules of the Orvane setting, where the Aumen is
-- the mystic power, the Vael are its knights and the Khor its dark mystics.
INSERT INTO tblSpecialQualities ("Name", "SpecialQualities", "GivenFeats", "BypassFeats", "Bonus", "Synergy", "Description") VALUES
    ('Low-Light Eyes', NULL, NULL, NULL, NULL, '0:Perception:1', 'Sees twice as far as others in dim light.'),
    ('Tidewalker', 'Breath Hold', 'Endurance', NULL, NULL, '0:Swim:2', 'Moves through water as easily as over land.'),
    ('Breath Hold', NULL, NULL, NULL, NULL, NULL, 'Holds breath for ten minutes.'),
    ('Aumen Attunement', NULL, 'Aumen Sensitive', NULL, 'Vael Bonus', '1:Sense Aumen:2', 'Feels the currents of the Aumen.' || char(13) || char(10) || 'Opens the Vael selection.'),
    ('Shadow Bond', 'Aumen Attunement', 'Dread Focus', 'Iron Will', 'Khor Bonus', '3:Veil Mind:2, 5:Dread Grip:2', 'Binds the mystic to the Khor.'),
    ('Keen Pilot', NULL, NULL, 'Starship Dodge', NULL, '0:Pilot:2', NULL),
    ('Uncanny Dodge', NULL, NULL, NULL, NULL, NULL, 'Keeps its defense when caught unaware.'),
    ('Trailblazer', NULL, 'Track', NULL, 'Scout Bonus', '2:Survival:2', 'Finds a way through any wild.');

INSERT INTO tblSpecies ("Species", "Str", "Dex", "Con", "Int", "Wis", "Cha", "BonusFeats", "NPC", "BonusSkillPts", "Move", "Swim", "Fly", "Other", "Size", "Homeworld", "FlyType", "OtherType", "SpecialQualities", "Speak", "ReadWrite", "Synergy", "ClassSkills", "ForbiddenFeats", "ForbiddenSkills", "ForbiddenClass", "RestrictedSkills", "AddFeat", "Source", "MaxChild", "MaxYoung", "MaxAdult", "MaxMiddle", "MaxOld", "BonusFeat", "MinHeight", "MaxHeight", "MinWeight", "MaxWeight", "Description", "ReplaceClsFeats") VALUES
    ('Orvani', 0, 0, 0, 0, 0, 0, 1, 0, 4, 10, 0, 0, 0, 'Medium', 'Orvane Prime', NULL, NULL, NULL, 'Orvanic, Trade Cant', 'Orvanic, Trade Cant', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'Orvane Core Rules', 11, 17, 39, 59, 79, 'Alertness, Toughness, Quick Draw', 1.5, 2.0, 50, 110, 'The founders of the Halcyon worlds.' || char(13) || char(10) || 'Adaptable and everywhere.', 'Soldier:Armor Proficiency (light):Toughness'),
    ('Skarth', 2, -2, 2, -2, 0, -2, 0, 0, 0, 10, 0, 0, 0, 'Large', 'Kesh', NULL, NULL, 'Low-Light Eyes', 'Skarth Clicks', NULL, '0:Intimidate:2', 'Climb, Intimidate', 'Aumen Sensitive', 'Veil Mind', 'Vael Guardian', 'Diplomacy:2, Computer Use:4', 'Toughness', 'Orvane Core Rules', 9, 14, 30, 45, 60, NULL, 2.1, 2.8, 140, 260, 'Heavy-boned hunters of the Lantern sector.', NULL),
    ('Thessin', -2, 2, 0, 0, 2, 0, 0, 0, 0, 8, 8, 0, 0, 'Small', 'Thessaly Drift', NULL, NULL, 'Tidewalker, Low-Light Eyes', 'Velmoran, Trade Cant', 'Velmoran', '0:Swim:2, 3:Survival:1', 'Swim, Survival', NULL, NULL, NULL, NULL, NULL, 'Drift Atlas', 14, 22, 55, 85, 120, 'Alertness', 1.0, 1.4, 25, 45, NULL, 'Scout:Track:Endurance, Soldier:Quick Draw:Sharp Eye'),
    ('Velmoran Gliders', 0, 2, -2, 2, 0, 0, 0, 1, 2, 6, 0, 12, 4, 'Small', 'Varro''s Rest', 'average', 'climb', 'Keen Pilot', 'Velmoran', 'Velmoran', NULL, 'Pilot', NULL, NULL, NULL, NULL, 'Starship Dodge', 'Drift Atlas', 6, 10, 30, 45, 70, NULL, 0.8, 1.2, 15, 30, NULL, NULL);

INSERT INTO tblFeats ("Feat", "GainMultiple", "AumenFeat", "Bonus", "Source", "Notes", "Description", "ReqTainted", "ReqDarkSide", "MinRequirements", "MaxRequirements", "AbilityRequirements", "SkillRequirements", "FeatRequirements", "SpeciesRequirements", "HomeworldRequirements", "OrFeatRequirements", "ClassRequirements", "OrClassRequirements", "OrSkillRequirements") VALUES
    ('Alertness', 0, 0, 'Perception:2, Sense Motive:2', 'Orvane Core Rules', NULL, 'Always on guard.', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Toughness', 1, 0, NULL, 'Orvane Core Rules', 'Stacks with itself.', '+3 vitality each time it is taken.', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Quick Draw', 0, 0, NULL, 'Orvane Core Rules', NULL, NULL, 0, 0, 'Attack:1', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Aumen Sensitive', 0, 1, NULL, 'Orvane Core Rules', 'Opens the Aumen skills.', 'The character can touch the Aumen.', 0, 0, NULL, NULL, 'Wisdom:11', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Deflect Bolts', 0, 1, NULL, 'Orvane Core Rules', NULL, 'Turns blaster bolts aside with a glowblade.', 0, 0, 'Attack:3', NULL, 'Dexterity:13', NULL, 'Aumen Sensitive, Glowblade Focus', NULL, NULL, NULL, 'Vael Guardian:2', NULL, NULL),
    ('Dread Focus', 0, 1, 'Dread Grip:2', 'Orvane Core Rules', NULL, 'Anger sharpens the dark arts.', 1, 1, NULL, 'Reputation:5', 'Charisma:13', 'Dread Grip:4', 'Aumen Sensitive', NULL, NULL, 'Iron Will:Alertness', NULL, 'Khor Adept:1|Vael Guardian:3', 'Veil Mind:4|Sense Aumen:6'),
    ('Glowblade Focus', 0, 0, NULL, 'Orvane Core Rules', NULL, NULL, 0, 0, 'Attack:1', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Iron Will', 0, 0, NULL, 'Orvane Core Rules', NULL, '+2 on Will saves.', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Sharp Eye', 0, 0, 'Perception:2, Search:2', 'Drift Atlas', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, NULL, 'Thessin', 'Thessaly Drift', NULL, NULL, NULL, NULL),
    ('Starship Dodge', 0, 0, NULL, 'Drift Atlas', NULL, 'Jinks a starship out of harm''s way.', 0, 0, NULL, NULL, 'Dexterity:13', 'Pilot:6', NULL, NULL, NULL, NULL, NULL, NULL, 'Pilot:6|Repair:8'),
    ('Track', 0, 0, NULL, 'Orvane Core Rules', NULL, 'Follows trails by sight.', 0, 0, NULL, NULL, NULL, 'Survival:1', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Endurance', 0, 0, 'Swim:2', 'Orvane Core Rules', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Armor Proficiency (light)', 0, 0, NULL, 'Orvane Core Rules', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Exotic Weapon Proficiency', 1, 0, NULL, 'Orvane Core Rules', 'Once per exotic weapon.', NULL, 0, 0, 'Attack:1', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO tblClassesBonus ("Name", "Feats", "IncExotic", "IncSkillNorm", "IncSkillAumen", "RequireRanks", "IncAllNorm", "IncAllAumen") VALUES
    ('Soldier Bonus', 'Armor Proficiency (light), Quick Draw, Toughness, Iron Will', 1, 0, 0, 0, 0, 0),
    ('Scout Bonus', 'Alertness, Track, Sharp Eye, Starship Dodge', 0, 1, 0, 1, 0, 0),
    ('Vael Bonus', 'Deflect Bolts, Glowblade Focus, Iron Will', 0, 0, 1, 0, 0, 0),
    ('Khor Bonus', 'Dread Focus', 0, 0, 0, 0, 0, 1),
    ('Any Feat', NULL, 1, 1, 1, 0, 1, 1);

INSERT INTO tblSkills ("Name", "Attribute", "SubNumber", "ArmorCheck", "SubSkills", "Aumen", "DarkSide", "LightSide", "TrainedOnly", "Synergy", "Source", "Notes", "CreatureUse", "DroidUse", "UntrainedHeuristic", "Description", "SubSynergy", "SecAbility", "SubSuggest", "Feat", "SkillRequirements", "ClassRequirements", "SpeciesRequirements", "MinRequirements", "MaxRequirements", "AbilityRequirements") VALUES
    ('Climb', 'Strength', 0, 1, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 0, 0, 'Scales walls and cliffs.', NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Leap', 'Strength', 0, 1, 0, 0, 0, 0, 0, '5:Tumble:2', 'Orvane Core Rules', NULL, 1, 0, 0, NULL, NULL, 'Dexterity', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Tumble', 'Dexterity', 0, 1, 0, 0, 0, 0, 1, '5:Leap:2, 5:Balance:2', 'Orvane Core Rules', 'Trained only.', 1, 0, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Balance', 'Dexterity', 0, 1, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 1, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Swim', 'Strength', 0, 1, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 0, 0, NULL, NULL, 'Constitution', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Pilot', 'Dexterity', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 0, 1, 1, 'Flies anything from skimmers to starships.', NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Repair', 'Intelligence', 0, 0, 0, 0, 0, 0, 1, '5:Pilot:1', 'Orvane Core Rules', NULL, 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Computer Use', 'Intelligence', 0, 0, 0, 0, 0, 0, 0, '5:Repair:2', 'Orvane Core Rules', NULL, 0, 1, 1, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Knowledge', 'Intelligence', 3, 0, 1, 0, 0, 0, 1, NULL, 'Orvane Core Rules', 'Taken once per field.', 0, 1, 0, 'Learning in one field.', '5:Astrogation:Pilot:2, 5:Engineering:Repair:2', 'None', 'Astrogation, Engineering, History, Xenology', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Diplomacy', 'Charisma', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 0, 0, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Intimidate', 'Charisma', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 0, 0, NULL, NULL, 'Strength', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Perception', 'Wisdom', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Survival', 'Wisdom', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 0, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Sense Aumen', 'Wisdom', 0, 0, 0, 1, 0, 0, 1, '5:Veil Mind:2', 'Orvane Core Rules', NULL, 0, 0, 0, 'Feels the presence of the Aumen.', NULL, 'None', NULL, 'Aumen Sensitive', NULL, NULL, NULL, NULL, NULL, 'Wisdom:11'),
    ('Move Object', 'Intelligence', 0, 0, 0, 1, 0, 0, 1, NULL, 'Orvane Core Rules', NULL, 0, 0, 0, NULL, NULL, 'Wisdom', NULL, 'Aumen Sensitive', 'Sense Aumen:2', NULL, NULL, NULL, NULL, NULL),
    ('Kindle Calm', 'Charisma', 0, 0, 0, 1, 0, 1, 1, NULL, 'Orvane Core Rules', NULL, 0, 0, 0, NULL, NULL, 'Wisdom', NULL, 'Aumen Sensitive', 'Sense Aumen:4', 'Vael Guardian:3', NULL, NULL, NULL, NULL),
    ('Veil Mind', 'Charisma', 0, 0, 0, 1, 0, 0, 1, NULL, 'Orvane Core Rules', NULL, 0, 0, 0, NULL, NULL, 'None', NULL, 'Aumen Sensitive', NULL, NULL, 'Orvani, Thessin', NULL, NULL, NULL),
    ('Dread Grip', 'Constitution', 0, 0, 0, 1, 1, 0, 1, NULL, 'Orvane Core Rules', 'Every use taints the user.', 0, 0, 0, 'Chokes a foe from afar.', NULL, 'Charisma', NULL, 'Aumen Sensitive', 'Sense Aumen:6', NULL, NULL, 'Attack:2', 'Reputation:8', 'Constitution:13');

INSERT INTO tblSkillMastery ("Name", "Number", "Skills") VALUES
    ('Scout Mastery', 3, 'Climb, Leap, Perception, Survival, Swim'),
    ('Pilot Mastery', 2, 'Pilot, Repair, Computer Use'),
    ('Vael Mastery', 0, 'Sense Aumen, Move Object, Kindle Calm');

INSERT INTO tblClasses ("Class", "Hero", "Prestige", "AumenClass", "VaelClass", "KhorClass", "Vitality", "SkillPtsLevel", "MaxLevel", "WisVitality", "AumenOnlyPts", "NormalOnlyPts", "Source", "ClassSkills", "ForbiddenClass", "ForbiddenFeats", "ForbiddenSkills", "RestrictedSkills", "Description", "TradeLevels") VALUES
    ('Soldier', 1, 0, 0, 0, 0, 10, 4, 20, 0, 0, 0, 'Orvane Core Rules', 'Climb, Leap, Intimidate, Pilot, Repair, Swim', NULL, NULL, 'Sense Aumen, Move Object', NULL, 'Trained for war.' || char(13) || char(10) || 'Hard to kill.', 'Scout'),
    ('Scout', 1, 0, 0, 0, 0, 8, 8, 20, 0, 0, 2, 'Orvane Core Rules', 'Balance, Climb, Computer Use, Knowledge, Leap, Perception, Pilot, Repair, Survival, Swim, Tumble', NULL, NULL, NULL, 'Diplomacy:4', 'Explores the unmapped deep.', 'Soldier, Vael Guardian'),
    ('Vael Guardian', 1, 0, 1, 1, 0, 10, 4, 20, 1, 2, 0, 'Orvane Core Rules', 'Balance, Diplomacy, Leap, Perception, Sense Aumen, Move Object, Kindle Calm', 'Khor Adept', 'Dread Focus', 'Dread Grip', 'Intimidate:6', 'A knight of the Vael, sworn to guard the Aumen.', NULL),
    ('Khor Adept', 1, 1, 1, 0, 1, 8, 4, 5, 1, 4, 0, 'Orvane Core Rules', 'Intimidate, Sense Aumen, Veil Mind, Dread Grip', 'Vael Guardian', NULL, 'Kindle Calm', NULL, 'A student of the dark Khor arts.', NULL);

INSERT INTO tblClassesLevels ("Class", "Level", "Attack", "SV_Fort", "SV_Ref", "SV_Will", "SpecialQualities", "GivenFeats", "GivenBonus", "GlowbladeDamage", "Defense", "Reputation", "SkillMastery", "CrossClass", "BonusFeatures") VALUES
    ('Soldier', 1, 1, 2, 0, 0, NULL, 'Armor Proficiency (light):1, Glowblade Focus:1', 'Soldier Bonus:1|1', NULL, 1, 0, NULL, NULL, NULL),
    ('Soldier', 2, 2, 3, 0, 0, NULL, NULL, 'Soldier Bonus:1|2', NULL, 2, 0, NULL, 'Soldier Cross:1|2', NULL),
    ('Soldier', 3, 3, 3, 1, 1, NULL, NULL, NULL, NULL, 2, 1, NULL, NULL, 'Weapon Specialty:1|3'),
    ('Soldier', 4, 4, 4, 1, 1, NULL, NULL, 'Soldier Bonus:1|4', NULL, 3, 1, NULL, NULL, NULL),
    ('Soldier', 5, 5, 4, 1, 1, 'Uncanny Dodge', NULL, NULL, NULL, 3, 1, NULL, NULL, NULL),
    ('Soldier', 6, 6, 5, 2, 2, NULL, NULL, 'Soldier Bonus:1|6', NULL, 3, 2, NULL, NULL, 'Weapon Specialty:1|6'),
    ('Soldier', 7, 7, 5, 2, 2, NULL, NULL, NULL, NULL, 4, 2, NULL, NULL, NULL),
    ('Soldier', 8, 8, 6, 2, 2, NULL, NULL, 'Soldier Bonus:1|8', NULL, 4, 2, NULL, NULL, NULL),
    ('Soldier', 9, 9, 6, 3, 3, NULL, NULL, NULL, NULL, 5, 3, NULL, NULL, 'Weapon Specialty:1|9'),
    ('Soldier', 10, 10, 7, 3, 3, 'Uncanny Dodge', NULL, 'Soldier Bonus:2|10:10', NULL, 5, 3, NULL, NULL, NULL),
    ('Scout', 1, 0, 1, 1, 1, 'Trailblazer', 'Track:1', NULL, NULL, 1, 0, NULL, NULL, NULL),
    ('Scout', 2, 1, 2, 2, 2, NULL, NULL, 'Scout Bonus:1|2', NULL, 2, 0, 'Scout Mastery:1|2', NULL, NULL),
    ('Scout', 3, 2, 2, 2, 2, 'Low-Light Eyes', NULL, NULL, NULL, 2, 1, NULL, 'Scout Cross:1|3', NULL),
    ('Scout', 4, 3, 2, 2, 2, NULL, NULL, 'Scout Bonus:1|4', NULL, 3, 1, 'Scout Mastery:2|4:4', NULL, NULL),
    ('Scout', 5, 3, 3, 3, 3, 'Uncanny Dodge', NULL, NULL, NULL, 3, 1, NULL, NULL, 'Scout Talent:1|5'),
    ('Scout', 6, 4, 3, 3, 3, NULL, NULL, 'Scout Bonus:1|6', NULL, 4, 2, 'Scout Mastery:1|6', NULL, NULL),
    ('Scout', 7, 5, 4, 4, 4, NULL, NULL, NULL, NULL, 4, 2, NULL, NULL, 'Scout Talent:1|7'),
    ('Scout', 8, 6, 4, 4, 4, NULL, NULL, 'Scout Bonus:1|8', NULL, 5, 2, 'Pilot Mastery:1|8', NULL, NULL),
    ('Scout', 9, 6, 4, 4, 4, 'Keen Pilot', NULL, NULL, NULL, 5, 3, NULL, NULL, NULL),
    ('Scout', 10, 7, 5, 5, 5, NULL, NULL, 'Scout Bonus:3|10:10:10', NULL, 6, 3, 'Scout Mastery:1|10', NULL, 'Scout Talent:2|10:10'),
    ('Vael Guardian', 1, 1, 1, 1, 1, 'Aumen Attunement', 'Aumen Sensitive:1, Glowblade Focus:1', NULL, '2d8', 3, 1, NULL, NULL, NULL),
    ('Vael Guardian', 2, 2, 2, 2, 2, NULL, NULL, 'Vael Bonus:1|2', '2d8', 4, 1, NULL, NULL, NULL),
    ('Vael Guardian', 3, 3, 2, 2, 2, NULL, 'Deflect Bolts:3', NULL, '2d8', 4, 1, 'Vael Mastery:1|3', NULL, 'Aumen Gift:1|3'),
    ('Vael Guardian', 4, 4, 3, 3, 3, NULL, NULL, 'Vael Bonus:1|4', '3d8', 4, 2, NULL, NULL, NULL),
    ('Vael Guardian', 5, 5, 3, 3, 3, 'Uncanny Dodge', NULL, NULL, '3d8', 5, 2, NULL, 'Vael Cross:1|5', 'Aumen Gift:1|5'),
    ('Vael Guardian', 6, 6, 4, 4, 4, NULL, NULL, 'Vael Bonus:1|6', '3d8', 5, 2, 'Vael Mastery:1|6', NULL, NULL),
    ('Vael Guardian', 7, 7, 4, 4, 4, NULL, NULL, NULL, '4d8', 6, 3, NULL, NULL, 'Aumen Gift:1|7'),
    ('Vael Guardian', 8, 8, 5, 5, 5, NULL, NULL, 'Vael Bonus:1|8', '4d8', 6, 3, NULL, NULL, NULL),
    ('Vael Guardian', 9, 9, 5, 5, 5, NULL, NULL, NULL, '4d8', 6, 3, 'Vael Mastery:1|9', NULL, 'Aumen Gift:1|9'),
    ('Vael Guardian', 10, 10, 6, 6, 6, 'Aumen Attunement', NULL, 'Vael Bonus:2|10:10', '5d8', 7, 4, NULL, NULL, NULL),
    ('Khor Adept', 1, 0, 1, 0, 2, 'Shadow Bond', 'Dread Focus:1', NULL, '3d8', 1, 1, NULL, NULL, NULL),
    ('Khor Adept', 2, 1, 2, 0, 3, NULL, NULL, 'Khor Bonus:1|2', '3d8', 2, 1, NULL, NULL, 'Khor Secret:1|2'),
    ('Khor Adept', 3, 2, 2, 1, 3, NULL, NULL, NULL, '4d8', 2, 2, NULL, NULL, NULL),
    ('Khor Adept', 4, 3, 2, 1, 4, NULL, NULL, 'Khor Bonus:1|4', '4d8', 3, 2, NULL, NULL, 'Khor Secret:1|4'),
    ('Khor Adept', 5, 3, 3, 1, 4, 'Shadow Bond', NULL, NULL, '5d8', 3, 3, NULL, NULL, NULL);

INSERT INTO tblClassPrestige ("Class", "ReqTainted", "ReqDarkSide", "SpeciesNonLevel", "MinRequirements", "MaxRequirements", "AbilityRequirements", "SkillRequirements", "ClassRequirements", "FeatRequirements", "WriteRequirements", "SpeakRequirements", "SpeciesRequirements", "HomeworldRequirements", "SpecialRequirements", "OrFeatRequirements", "OrSkillRequirements", "OrClassRequirements", "OrSpecialRequirements") VALUES
    ('Khor Adept', 1, 1, 3, 'Attack:5, Reputation:2', 'Reputation:12', 'Charisma:13', 'Sense Aumen:6, Veil Mind:4', 'Vael Guardian:3', 'Aumen Sensitive, Dread Focus', 'Orvanic', 'Orvanic, Trade Cant', NULL, NULL, 'Aumen Attunement', 'Iron Will:Alertness, Toughness', 'Dread Grip:4|Intimidate:8', 'Vael Guardian:3|Scout:6', 'Shadow Bond:Aumen Attunement'),
    ('Vael Sentinel', 0, 0, 0, 'Attack:6', NULL, 'Wisdom:13, Dexterity:13', 'Sense Aumen:8', 'Vael Guardian:5', 'Aumen Sensitive, Blade Warding', NULL, 'Orvanic', NULL, NULL, 'Aumen Attunement', 'Alertness:Lightning Reflexes', 'Balance:6|Tumble:6', NULL, NULL),
    ('Star Captain', 0, 0, 0, 'Reputation:4', NULL, 'Charisma:12', 'Pilot:8, Navigation:6', NULL, 'Starship Operation', 'Trade Cant', 'Trade Cant, Orvanic', NULL, 'Orvane Prime, Kesh', NULL, NULL, NULL, 'Scout:4|Soldier:4', NULL);

INSERT INTO tblClassFeatures ("Name", "List", "Multiple", "Number") VALUES
    ('Weapon Specialty', 'Blaster Specialty, Glowblade Specialty, Rifle Specialty', 1, 1),
    ('Scout Talent', 'Skill Emphasis, Evasion, Trailblazing, Hard to Spot', 0, 1),
    ('Aumen Gift', 'Deep Focus, Aumen Sight, Steady Hand', 0, 1),
    ('Khor Secret', 'Dark Whisper, Fearsome Aura', 0, 2);

INSERT INTO tblCrossClass ("Name", "ClassSkills") VALUES
    ('Soldier Cross', 'Computer Use, Survival'),
    ('Scout Cross', 'Diplomacy, Intimidate'),
    ('Vael Cross', 'Pilot, Repair, Survival');

-- Entries the rest of the sample names: the qualities of ages, creatures and droids, the
-- feats of gear, creatures and droids, the skills of synergies and creatures, and the
-- classes of droid degrees and prestige classes.
INSERT INTO tblSpecialQualities ("Name", "SpecialQualities", "GivenFeats", "BypassFeats", "Bonus", "Synergy", "Description") VALUES
    ('Long Memory', NULL, NULL, NULL, NULL, '0:Knowledge:1', 'Remembers what the young have forgotten.'),
    ('Steady Hand', NULL, NULL, NULL, NULL, NULL, 'Years of practice keep the hand from shaking.'),
    ('Low-Light Vision', NULL, NULL, NULL, NULL, '0:Perception:1', 'Sees in starlight as in dusk.'),
    ('Darkvision', NULL, NULL, NULL, NULL, NULL, 'Sees without any light at all.'),
    ('Scent', NULL, 'Track', NULL, NULL, '0:Survival:2', 'Follows prey by smell.'),
    ('Cold Resistance', NULL, NULL, NULL, NULL, NULL, 'Shrugs off frost.'),
    ('Heat Resistance', NULL, NULL, NULL, NULL, NULL, 'Shrugs off scorching heat.'),
    ('Dust Sight', NULL, NULL, NULL, NULL, '0:Perception:1', 'Sees through blowing sand.'),
    ('Amphibious', 'Breath Hold', NULL, NULL, NULL, '0:Swim:2', 'Breathes water and air alike.'),
    ('Mindless', NULL, NULL, NULL, NULL, NULL, 'Has no mind to sway.'),
    ('Hardened Shell', NULL, NULL, NULL, NULL, NULL, 'Plating turns aside small blows.'),
    ('Reinforced Frame', NULL, 'Toughness', NULL, NULL, NULL, 'A chassis built for punishment.'),
    ('Quiet Servos', NULL, NULL, NULL, NULL, '0:Move Silently:2', 'Moves without a whine.'),
    ('Garbled Speech', NULL, NULL, NULL, NULL, '0:Diplomacy:-2', 'Words come out in the wrong order.'),
    ('Wanders', NULL, NULL, NULL, NULL, NULL, 'Leaves its post to look around.');

INSERT INTO tblFeats ("Feat", "GainMultiple", "AumenFeat", "Bonus", "Source", "Notes", "Description", "ReqTainted", "ReqDarkSide", "MinRequirements", "MaxRequirements", "AbilityRequirements", "SkillRequirements", "FeatRequirements", "SpeciesRequirements", "HomeworldRequirements", "OrFeatRequirements", "ClassRequirements", "OrClassRequirements", "OrSkillRequirements") VALUES
    ('Armor Familiarity (Light)', 0, 0, NULL, 'Field Manual', NULL, 'Wears light armour without penalty.', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Armor Familiarity (Medium)', 0, 0, NULL, 'Field Manual', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, 'Armor Familiarity (Light)', NULL, NULL, NULL, NULL, NULL, NULL),
    ('Armor Familiarity (Heavy)', 0, 0, NULL, 'Field Manual', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, 'Armor Familiarity (Medium)', NULL, NULL, NULL, NULL, NULL, NULL),
    ('Weapon Group (Pistols)', 0, 0, NULL, 'Field Manual', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Weapon Group (Rifles)', 0, 0, NULL, 'Field Manual', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Weapon Group (Simple)', 0, 0, NULL, 'Field Manual', NULL, NULL, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Exotic Weapon (Net Caster)', 0, 0, NULL, 'Outer Verge Guide', NULL, NULL, 0, 0, 'Attack:1', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Run', 0, 0, 'Jump:2', 'Orvane Core Rules', NULL, 'Runs five times the normal speed.', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Skill Focus', 1, 0, NULL, 'Orvane Core Rules', 'Once per skill.', '+3 on one chosen skill.', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Lightning Reflexes', 0, 0, NULL, 'Orvane Core Rules', NULL, '+2 on Reflex saves.', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Blade Warding', 0, 1, NULL, 'Orvane Core Rules', NULL, 'The glowblade turns blows aside.', 0, 0, 'Attack:4', NULL, NULL, NULL, 'Aumen Sensitive, Glowblade Focus', NULL, NULL, NULL, NULL, NULL, NULL),
    ('Starship Operation', 0, 0, NULL, 'Drift Atlas', NULL, 'Commands a starship''s crew.', 0, 0, NULL, NULL, NULL, 'Pilot:4', NULL, NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO tblSkills ("Name", "Attribute", "SubNumber", "ArmorCheck", "SubSkills", "Aumen", "DarkSide", "LightSide", "TrainedOnly", "Synergy", "Source", "Notes", "CreatureUse", "DroidUse", "UntrainedHeuristic", "Description", "SubSynergy", "SecAbility", "SubSuggest", "Feat", "SkillRequirements", "ClassRequirements", "SpeciesRequirements", "MinRequirements", "MaxRequirements", "AbilityRequirements") VALUES
    ('Jump', 'Strength', 0, 1, 0, 0, 0, 0, 0, '5:Tumble:2', 'Orvane Core Rules', NULL, 1, 0, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Hide', 'Dexterity', 0, 1, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Move Silently', 'Dexterity', 0, 1, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Listen', 'Wisdom', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Spot', 'Wisdom', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 1, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Search', 'Intelligence', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Sense Motive', 'Wisdom', 0, 0, 0, 0, 0, 0, 0, '5:Diplomacy:2', 'Orvane Core Rules', NULL, 0, 0, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Bluff', 'Charisma', 0, 0, 0, 0, 0, 0, 0, '5:Diplomacy:2', 'Orvane Core Rules', NULL, 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Treat Injury', 'Wisdom', 0, 0, 0, 0, 0, 0, 0, NULL, 'Orvane Core Rules', NULL, 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Disable Device', 'Intelligence', 0, 0, 0, 0, 0, 0, 1, NULL, 'Orvane Core Rules', NULL, 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Astrogate', 'Intelligence', 0, 0, 0, 0, 0, 0, 1, '5:Pilot:2', 'Drift Atlas', NULL, 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Navigation', 'Intelligence', 0, 0, 0, 0, 0, 0, 1, NULL, 'Drift Atlas', NULL, 0, 1, 0, NULL, NULL, 'Wisdom', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Speak Language', 'Intelligence', 0, 0, 0, 0, 0, 0, 1, NULL, 'Orvane Core Rules', 'Once per language.', 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('Read/Write Language', 'Intelligence', 0, 0, 0, 0, 0, 0, 1, NULL, 'Orvane Core Rules', 'Once per language.', 0, 1, 0, NULL, NULL, 'None', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO tblClasses ("Class", "Hero", "Prestige", "AumenClass", "VaelClass", "KhorClass", "Vitality", "SkillPtsLevel", "MaxLevel", "WisVitality", "AumenOnlyPts", "NormalOnlyPts", "Source", "ClassSkills", "ForbiddenClass", "ForbiddenFeats", "ForbiddenSkills", "RestrictedSkills", "Description", "TradeLevels") VALUES
    ('Vael Sentinel', 1, 1, 1, 1, 0, 10, 4, 10, 1, 2, 0, 'Orvane Core Rules', 'Balance, Perception, Sense Aumen, Kindle Calm, Tumble', 'Khor Adept', 'Dread Focus', 'Dread Grip', NULL, 'A Vael knight who stands watch over the Aumen''s holy places.', NULL),
    ('Star Captain', 1, 1, 0, 0, 0, 8, 6, 10, 0, 0, 0, 'Drift Atlas', 'Astrogate, Diplomacy, Navigation, Pilot, Repair', NULL, NULL, NULL, NULL, 'Commands a starship and its crew.', NULL),
    ('Diplomat', 0, 0, 0, 0, 0, 6, 6, 20, 0, 0, 0, 'Orvane Core Rules', 'Bluff, Diplomacy, Sense Motive, Knowledge', NULL, NULL, NULL, NULL, 'An envoy among the worlds (a class for non-heroes).', NULL),
    ('Expert', 0, 0, 0, 0, 0, 6, 8, 20, 0, 0, 0, 'Orvane Core Rules', 'Computer Use, Knowledge, Repair, Search, Treat Injury', NULL, NULL, NULL, NULL, 'A skilled hand (a class for non-heroes).', NULL),
    ('Tech Specialist', 0, 0, 0, 0, 0, 6, 8, 20, 0, 0, 0, 'Machine Codex', 'Computer Use, Disable Device, Repair, Search', NULL, NULL, NULL, NULL, 'Keeps the machines running (a class for non-heroes).', NULL);
