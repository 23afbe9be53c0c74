-- Expected I2C devices (table i): id = bus digit + two digits of the device table.
-- Only buses the model's I2C buttons scan; at most five devices per bus.
-- Plausible engineering values written by us; see data/README.md.

INSERT INTO i (Aparelho, id) VALUES
  ('IP 6', '001'),
  ('IP 6', '003'),
  ('IP 6', '012'),
  ('IP 6', '014'),
  ('IP 6', '102'),
  ('IP 6', '106'),
  ('IP 6', '201'),
  ('IP 6', '205');

INSERT INTO i (Aparelho, id) VALUES
  ('IP 6 Plus', '001'),
  ('IP 6 Plus', '003'),
  ('IP 6 Plus', '012'),
  ('IP 6 Plus', '014'),
  ('IP 6 Plus', '102'),
  ('IP 6 Plus', '106'),
  ('IP 6 Plus', '201'),
  ('IP 6 Plus', '205');

INSERT INTO i (Aparelho, id) VALUES
  ('IP 6s', '006'),
  ('IP 6s', '009'),
  ('IP 6s', '016'),
  ('IP 6s', '101'),
  ('IP 6s', '104'),
  ('IP 6s', '107'),
  ('IP 6s', '202'),
  ('IP 6s', '203');

INSERT INTO i (Aparelho, id) VALUES
  ('IP 6s Plus', '006'),
  ('IP 6s Plus', '009'),
  ('IP 6s Plus', '016'),
  ('IP 6s Plus', '101'),
  ('IP 6s Plus', '104'),
  ('IP 6s Plus', '107'),
  ('IP 6s Plus', '202'),
  ('IP 6s Plus', '203');

INSERT INTO i (Aparelho, id) VALUES
  ('IP 7', '002'),
  ('IP 7', '005'),
  ('IP 7', '010'),
  ('IP 7', '013'),
  ('IP 7', '103'),
  ('IP 7', '105'),
  ('IP 7', '202'),
  ('IP 7', '204'),
  ('IP 7', '301'),
  ('IP 7', '305'),
  ('IP 7', '401'),
  ('IP 7', '402');

INSERT INTO i (Aparelho, id) VALUES
  ('IP 7 Plus', '002'),
  ('IP 7 Plus', '005'),
  ('IP 7 Plus', '010'),
  ('IP 7 Plus', '013'),
  ('IP 7 Plus', '103'),
  ('IP 7 Plus', '105'),
  ('IP 7 Plus', '202'),
  ('IP 7 Plus', '204'),
  ('IP 7 Plus', '401'),
  ('IP 7 Plus', '402');

INSERT INTO i (Aparelho, id) VALUES
  ('IP 8', '004'),
  ('IP 8', '008'),
  ('IP 8', '011'),
  ('IP 8', '015'),
  ('IP 8', '201'),
  ('IP 8', '206'),
  ('IP 8', '302'),
  ('IP 8', '304'),
  ('IP 8', '403'),
  ('IP 8', '601'),
  ('IP 8', '602'),
  ('IP 8', '603'),
  ('IP 8', '604'),
  ('IP 8', '702');

INSERT INTO i (Aparelho, id) VALUES
  ('IP 8 Plus', '004'),
  ('IP 8 Plus', '008'),
  ('IP 8 Plus', '011'),
  ('IP 8 Plus', '015'),
  ('IP 8 Plus', '201'),
  ('IP 8 Plus', '206'),
  ('IP 8 Plus', '302'),
  ('IP 8 Plus', '304'),
  ('IP 8 Plus', '403'),
  ('IP 8 Plus', '601'),
  ('IP 8 Plus', '602'),
  ('IP 8 Plus', '603'),
  ('IP 8 Plus', '604'),
  ('IP 8 Plus', '702');

INSERT INTO i (Aparelho, id) VALUES
  ('IP X', '007'),
  ('IP X', '015'),
  ('IP X', '017'),
  ('IP X', '303'),
  ('IP X', '306'),
  ('IP X', '403'),
  ('IP X', '601'),
  ('IP X', '602'),
  ('IP X', '603'),
  ('IP X', '604'),
  ('IP X', '701');

