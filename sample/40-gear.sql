-- Invented sample content: armour, weapons and general equipment.
INSERT INTO tblArmor ("Name", "Feat", "Cost", "Mass", "DefenseBonus", "MaxDexBonus", "ArmorCheck", "Move10", "Move6", "Source", "Notes", "Synergy", "AbilityBonus", "Description", "DR") VALUES
    ('Quilted Vest', 'Armor Familiarity (Light)', 450, 2, 2, 6, 0, 10, 6, 'Field Manual', 'Worn under robes.', NULL, NULL, 'Layers of padded spinweave.', 0),
    ('Ridgeback Plate', 'Armor Familiarity (Heavy)', 52000, 18, 8, 1, -6, 6, 4, 'Field Manual', NULL, '0:Intimidate:2', 'Strength:2, Dexterity:-2', 'Segmented plates over a powered frame.' || char(13) || char(10) || 'The servos hum when idle.', 3),
    ('Glimmer Mesh', 'Armor Familiarity (Medium)', 9800, 7, 5, 3, -3, 8, 5, 'Outer Verge Guide', 'Shifts colour in bright light.', '0:Hide:2, 0:Move Silently:1', 'Cha:1', NULL, 1),
    ('Salvager''s Harness', NULL, 120, 3, 1, 8, 0, 10, 6, NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO tblWeapons ("Name", "MultFire", "AutoFire", "Personal", "FireControl", "AtkType", "Feat", "Size", "Cost", "Damage", "Stun", "FortDC", "Critical", "Mass", "Range", "Type", "Source", "Notes", "Description", "NormalAttack", "MultBonus", "AutoBonus", "Craft") VALUES
    ('Spark Pistol', 1, 0, 1, 0, 'Ranged Attack', 'Weapon Group (Pistols)', 'Small', 500, '3d6', '3d4', '15', 20, 1, 10, 'Energy', 'Field Manual', 'Common sidearm.', 'A compact capacitor pistol.', 1, -2, 0, 'Repair DC 15'),
    ('Thunder Carbine', 1, 1, 0, 1, 'Ranged Attack', 'Weapon Group (Rifles)', 'Large', 1800, '3d8', NULL, NULL, 19, 4, 30, 'Energy', 'Field Manual', NULL, 'Full automatic capacitor carbine.', 1, -2, -4, NULL),
    ('Vibro Knife', 0, 0, 1, 0, 'Melee Attack', 'Weapon Group (Simple)', 'Tiny', 250, '1d6', NULL, NULL, 19, 1, 0, 'Slashing', 'Outer Verge Guide', 'Hums softly.', NULL, 1, 0, 0, NULL),
    ('Net Caster', 0, 0, 0, 0, 'Ranged Touch', 'Exotic Weapon (Net Caster)', 'Medium', 900, NULL, NULL, '12', 20, 3, 5, 'Entangle', NULL, NULL, NULL, 0, 0, 0, 'Mechanics DC 10');

INSERT INTO tblEquipment ("Name", "Cost", "Mass", "Synergy", "Source", "Notes", "Description") VALUES
    ('Glow Rod', 10, 1, NULL, 'Field Manual', 'Lasts one night.', 'A chemical light stick.'),
    ('Climbing Kit', 200, 5, '0:Climb:2', 'Field Manual', NULL, 'Rope, pitons and a harness.'),
    ('Field Medkit', 600, 2, '0:Treat Injury:2, 0:Survival:1', 'Outer Verge Guide', 'Ten uses.', 'Bandages, stims and a scanner.' || char(13) || char(10) || 'Refills sold separately.'),
    ('Star Chart Slate', 1500, 1, '0:Astrogate:1', NULL, NULL, NULL);
