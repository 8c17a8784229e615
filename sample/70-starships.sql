-- Invented sample content: starship and station components, starship and vehicle weapons.
INSERT INTO tblStarshipSize ("Name", "Station", "Class", "Modifier", "Points", "DR", "Armor", "MinLenght", "MaxLenght", "MinMass", "MaxMass", "MaxSlips", "BackupCost", "BackupEmplace", "SlaveCost") VALUES
    ('Skiff', 0, 'Small Craft', 2, 20, 0, 1, 6, 15, 5, 40, 0, 2, 1, 3),
    ('Cutter', 0, 'Small Craft', 1, 40, 2, 2, 15, 40, 40, 300, 1, 4, 2, 5),
    ('Frigate', 0, 'Capital', 0, 120, 5, 4, 40, 180, 300, 9000, 4, 10, 6, 12),
    ('Dreadnought', 0, 'Capital', -2, 400, 10, 8, 180, 1600, 9000, 800000, 12, 30, 20, 40),
    ('Outpost', 1, 'Station', 0, 150, 6, 4, 50, 300, 2000, 60000, 6, 12, 8, 15),
    ('Citadel', -1, 'Station', -3, 900, 15, 10, 300, 4000, 60000, 2000000, 20, 60, 40, 80);

INSERT INTO tblStarshipArmor ("Size", "Armor", "DR", "Cost", "PilotBonus") VALUES
    ('Skiff', 1, 0, 500, 0),
    ('Cutter', 2, 2, 1500, 0),
    ('Frigate', 4, 5, 12000, -1),
    ('Dreadnought', 8, 10, 90000, -4);

INSERT INTO tblStarshipCost ("MinPoints", "MaxPoints", "BaseCost", "megaBase", "ModCost", "megaMod") VALUES
    (0, 49, 12.5, 0, 0.25, 0),
    (50, 199, 1.75, 1, 0.5, 0),
    (200, 999, 8.25, 1, 1.5, 1);

INSERT INTO tblStarshipCrew ("Points", "Station", "MinCrew", "MaxCrew", "Sizes") VALUES
    (10, 0, 1, 2, 'Skiff, Cutter'),
    (20, 0, 3, 12, 'Cutter, Frigate'),
    (40, 0, 13, 250, 'Frigate, Dreadnought'),
    (30, 1, 10, 400, 'Outpost'),
    (60, 1, 400, 5000, NULL);

INSERT INTO tblStarshipLife ("Points", "Station", "MinCrew", "MaxCrew", "Sizes") VALUES
    (5, 0, 1, 4, 'Skiff, Cutter'),
    (15, 0, 5, 300, 'Frigate, Dreadnought'),
    (25, 1, 10, 6000, 'Outpost, Citadel');

INSERT INTO tblStarshipEmplace ("Points", "Station", "MinEmplace", "MaxEmplace", "Sizes") VALUES
    (5, 0, 1, 2, 'Skiff, Cutter'),
    (15, 0, 3, 8, 'Frigate'),
    (25, 1, 4, 30, 'Outpost, Citadel');

INSERT INTO tblStarshipHull ("Points", "Station", "MinHull", "MaxHull", "Sizes") VALUES
    (10, 0, 20, 60, 'Skiff, Cutter'),
    (30, 0, 60, 400, 'Frigate, Dreadnought'),
    (50, 1, 300, 2400, 'Outpost, Citadel');

INSERT INTO tblStarshipHyper ("Drive", "Station", "NormalPoints", "BackupPoints", "BackupDouble") VALUES
    ('Class 1', 0, 20, 10, 'Dreadnought'),
    ('Class 2', 0, 12, 6, NULL),
    ('Class 4', 0, 6, 3, 'Skiff'),
    ('Anchor Drive', 1, 40, 20, 'Citadel');

INSERT INTO tblStarshipShields ("Points", "Station", "MinShield", "MaxShield", "Sizes", "DoublePoints") VALUES
    (5, 0, 10, 30, 'Skiff, Cutter', NULL),
    (15, 0, 30, 120, 'Frigate, Dreadnought', 'Dreadnought'),
    (30, 1, 100, 600, 'Outpost, Citadel', 'Citadel');

INSERT INTO tblStarshipStowage ("Points", "Station", "MinCargo", "MinMetric", "MaxCargo", "MaxMetric", "Sizes") VALUES
    (2, 0, 50, 0, 2, 1, 'Skiff, Cutter'),
    (8, 0, 2, 1, 500, 1, 'Frigate, Dreadnought'),
    (12, 1, 100, 1, 20000, 1, 'Outpost, Citadel');

INSERT INTO tblStarshipSupply ("Points", "Station", "Time", "Day", "Week", "Month", "Year", "Size") VALUES
    (1, 0, 3, 1, 0, 0, 0, 'Skiff'),
    (4, 0, 2, 0, 0, 1, 0, 'Cutter, Frigate'),
    (10, 0, 1, 0, 0, 0, 1, 'Dreadnought'),
    (6, 1, 6, 0, 0, 1, 0, 'Outpost, Citadel');

INSERT INTO tblStarshipEngine ("MaxSpeed", "Points", "Station", "Quality", "AttackBonus", "PilotBonus", "Sizes") VALUES
    ('Ramming', 20, 0, 'Sluggish', -2, -2, 'Skiff, Cutter, Frigate'),
    ('Cruising', 40, 0, 'Steady', 0, 0, 'Cutter, Frigate, Dreadnought'),
    ('Attack', 60, 0, 'Nimble', 1, 2, 'Skiff, Cutter'),
    ('Station-keeping', 10, 1, '', 0, 0, 'Outpost, Citadel');

INSERT INTO tblStarshipYards ("Name", "Multiple") VALUES
    ('Halcyon Drydocks', 1.0),
    ('Marrow Salvage Works', 0.75),
    ('Lantern Royal Yards', 1.5);

INSERT INTO tblStarshipWeapons ("Name", "Size", "FireControl", "BatteryFire", "NumDamage", "DamageType", "PointBlank", "Short", "Medium", "Long", "MultFire", "AutoFire", "Emplace", "Cost") VALUES
    ('Pulse Lance', 'Light', 2, 2, 3, 'd8', '0-1', '2-4', '5-8', '9-12', 0, 1, 1, 4000),
    ('Arc Battery', 'Medium', 1, 3, 5, 'd10', '0-2', '3-6', '7-10', '11-16', 1, 0, 2, 9000),
    ('Siege Driver', 'Heavy', 0, 1, 8, 'd12', NULL, '4-8', '9-16', '17-30', 0, 0, 5, 30000);

INSERT INTO tblVehicleWeapons ("Name", "Size", "FireControl", "PriDamageNum", "PriDamageType", "SecDamageNum", "SecDamageType", "MaxIncrements", "Ramge") VALUES
    ('Twin Repeater', 'Light', 1, 3, 'd8', 0, NULL, 5, 40),
    ('Thumper Mortar', 'Medium', 0, 4, 'd10', 2, 'd6', 8, 120),
    ('Spike Launcher', 'Heavy', -1, 6, 'd10', 3, 'd8', 10, 200);
