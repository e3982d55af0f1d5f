-- Tessora: Beispielsammlung
-- Erzeugt eine Sammlung mit einigen Einträgen zum Ausprobieren:
--   sqlite3 colours.tsdb < assets/sample_collection.sql
-- Farben stehen als Text "r,g,b" (dezimal, 0-255, ohne Leerzeichen).

CREATE TABLE colours (id INTEGER PRIMARY KEY, kategorie TEXT, palette TEXT, name TEXT, farbe1 TEXT, farbe2 TEXT, farbe3 TEXT);

BEGIN;
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Herbstwald', 'Moosgrün', '85,107,47', '138,154,91', '60,80,40');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Herbstwald', 'Eichenlaub', '176,112,44', '205,133,63', '139,69,19');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Herbstwald', 'Pilzboden', '120,94,70', '164,139,110', '84,62,44');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Ostsee', 'Sandstrand', '238,214,175', '222,196,150', '194,168,120');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Ostsee', 'Dünengras', '160,170,110', '200,196,140', '112,128,80');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Ostsee', 'Brandung', '0,105,148', '102,170,200', '230,242,248');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Erdtöne', 'Lehmweg', '166,123,91', '130,94,66', '201,168,134');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Erdtöne', 'Waldboden', '92,64,51', '61,43,31', '128,100,72');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Natur', 'Pastell', 'Kirschblüte', '255,183,197', '255,214,222', '245,245,240');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Skandinavisch', 'Birkenholz', '222,200,164', '245,240,230', '180,160,130');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Skandinavisch', 'Nordlicht', '232,236,238', '176,196,204', '92,112,120');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Skandinavisch', 'Fjordblau', '70,110,140', '200,215,225', '250,250,248');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Erdtöne', 'Terrakotta', '204,102,68', '226,160,120', '120,64,44');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Erdtöne', 'Leinen und Ton', '233,224,208', '196,164,132', '150,110,80');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Pastell', 'Salbei', '178,196,170', '214,224,206', '120,140,112');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Ostsee', 'Strandhaus', '245,243,236', '120,160,190', '60,90,120');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Wohnen', 'Herbstwald', 'Kaminabend', '160,60,30', '230,140,60', '60,40,30');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Mode', 'Pastell', 'Puderrosa', '238,196,196', '248,226,222', '200,150,160');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Mode', 'Pastell', 'Flieder', '200,162,200', '226,206,232', '150,110,160');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Mode', 'Neon', 'Clubnacht', '255,20,147', '57,255,20', '20,20,30');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Mode', 'Neon', 'Signalgelb', '230,255,0', '255,255,255', '30,30,30');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Mode', 'Skandinavisch', 'Wollmantel', '128,128,128', '200,196,188', '40,44,52');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Mode', 'Erdtöne', 'Kamelhaar', '193,154,107', '236,220,196', '110,80,50');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Mode', 'Herbstwald', 'Rostrot', '183,65,14', '224,128,70', '90,40,20');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Web', 'Neon', 'Cyberpunk', '0,255,255', '255,0,255', '18,10,40');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Web', 'Neon', 'Leuchtreklame', '255,60,60', '255,230,0', '30,30,60');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Web', 'Pastell', 'Sanfte Startseite', '244,247,252', '180,210,240', '90,120,170');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Web', 'Skandinavisch', 'Schlichtes Layout', '250,250,250', '33,33,33', '0,122,204');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Web', 'Ostsee', 'Küstenportal', '0,82,147', '0,150,199', '240,248,255');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Web', 'Erdtöne', 'Bioladen', '110,140,60', '240,232,210', '120,80,50');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Kunst', 'Erdtöne', 'Siena gebrannt', '233,116,81', '138,54,15', '230,200,160');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Kunst', 'Erdtöne', 'Umbra', '99,81,71', '138,115,90', '60,48,40');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Kunst', 'Pastell', 'Aquarell', '173,216,230', '255,218,185', '221,160,221');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Kunst', 'Neon', 'Pop-Art', '255,0,102', '0,204,255', '255,238,0');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Kunst', 'Ostsee', 'Abendrot', '255,94,58', '255,160,90', '70,60,120');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Kunst', 'Herbstwald', 'Ölgemälde', '80,60,30', '160,120,40', '30,50,30');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Jahreszeiten', 'Pastell', 'Frühlingserwachen', '200,230,160', '255,240,170', '250,200,210');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Jahreszeiten', 'Ostsee', 'Sommerhimmel', '135,206,235', '255,255,255', '255,215,0');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Jahreszeiten', 'Herbstwald', 'Goldener Oktober', '218,165,32', '178,34,34', '107,142,35');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Jahreszeiten', 'Skandinavisch', 'Winterweiß', '255,250,250', '200,220,235', '120,140,160');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Jahreszeiten', 'Neon', 'Sommernacht', '255,100,200', '100,60,255', '10,10,40');
INSERT INTO colours (kategorie, palette, name, farbe1, farbe2, farbe3) VALUES ('Jahreszeiten', 'Erdtöne', 'Spätherbst', '140,90,50', '100,70,50', '190,150,100');
COMMIT;
