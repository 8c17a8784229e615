-- Invented sample content: database information and lookup vocabularies.
INSERT INTO tblInfo ("Date", "Info") VALUES ('2026-12-01', 'Orvane Sample Rules 1.0');

INSERT INTO tblAbility ("Name", "Order") VALUES
    ('Strength', 1), ('Dexterity', 2), ('Constitution', 3),
    ('Intelligence', 4), ('Wisdom', 5), ('Charisma', 6);

INSERT INTO tblKeywords ("Keyword", "Name") VALUES
    ('Aumen', 1), ('Vael', 2), ('Khor', 3), ('Droid', 4), ('Starship', 5);

INSERT INTO tblLanguages ("Language") VALUES
    ('Orvanic'), ('Trade Cant'), ('Velmoran'), ('Droid Binary'), ('Skarth Clicks');

INSERT INTO tblRegion ("Name") VALUES
    ('Core Reach'), ('Inner Drift'), ('Mid Spiral'), ('Outer Verge'), ('Unmapped Deep');

INSERT INTO tblColors ("Color") VALUES
    ('Amber'), ('Slate'), ('Verdigris'), ('Crimson'), ('Pearl');
