-- Invented sample content: homeworlds, age categories and size categories.
INSERT INTO tblHomeworlds ("Name", "Sector", "Region") VALUES
    ('Orvane Prime', 'Halcyon', 'Core Reach'),
    ('Thessaly Drift', 'Marrow', 'Inner Drift'),
    ('Kesh', 'Lantern', 'Mid Spiral'),
    ('Varro''s Rest', 'Ember', 'Outer Verge'),
    ('Nimbus Deep', NULL, 'Unmapped Deep');

INSERT INTO tblAges ("Age", "Dead", "Str", "Dex", "Con", "Int", "Wis", "Cha", "SpecialQualities", "Synergy", "Order") VALUES
    ('Venerable', 0, -3, -3, -3, 1, 1, 1, 'Long Memory', '0:Knowledge:2', 6),
    ('Child', 0, -3, -1, -3, -1, -1, -1, NULL, NULL, 1),
    ('Young Adult', 0, 0, 0, 0, 0, 0, 0, NULL, NULL, 2),
    ('Adult', 0, 0, 0, 0, 0, 0, 0, NULL, NULL, 3),
    ('Middle Age', 0, -1, -1, -1, 1, 1, 1, NULL, '0:Diplomacy:1', 4),
    ('Old', 0, -2, -2, -2, 1, 1, 1, 'Steady Hand', '0:Knowledge:1, 0:Diplomacy:1', 5),
    ('Departed', -1, 0, 0, 0, 0, 0, 0, NULL, NULL, 7);

INSERT INTO tblSizes ("Name", "Attack", "Defense", "Hide", "Punch", "Order", "DR", "MinHeight", "MaxHeight", "MinWeight", "MaxWeight", "BiteAttack") VALUES
    ('Tiny', 2, 2, 8, -2, 2, 0, 0.25, 0.5, 0.5, 4, '1d2'),
    ('Diminutive', 4, 4, 12, -4, 1, 0, 0.1, 0.25, 0.05, 0.5, '1'),
    ('Small', 1, 1, 4, -1, 3, 0, 0.5, 1.2, 4, 32, '1d3'),
    ('Medium', 0, 0, 0, 0, 4, 0, 1.2, 2.4, 32, 250, '1d4'),
    ('Large', -1, -1, -4, 1, 5, 1, 2.4, 4.8, 250, 2000, '1d6'),
    ('Huge', -2, -2, -8, 2, 6, 2, 4.8, 9.6, 2000, 16000, '1d8');
