#!/usr/bin/env python3
# Writes the hand-made record and tax-rate fixtures of this folder byte by byte, from the
# file layouts alone and independently of the program's own writer, so the tests can
# check the reader against them and the writer for identical bytes.
import struct

def text(value, width):
    raw = value.encode('cp1252')
    assert len(raw) < width
    return raw + b'\0' * (width - len(raw))

def company(name, address, city, province, country, postal, phone, ifta):
    return (text(name, 48) + text(address, 48) + text(city, 24) + text(province, 24)
            + text(country, 24) + text(postal, 8) + text(phone, 20) + text(ifta, 24))

def dates(a, b):
    return struct.pack('<6H', *a, *b)

# Older layout (332 bytes): no reserved word, no fuel type, 84-byte notes at 248.
older = (struct.pack('<I', 61474) + dates((2005, 1, 1), (2005, 3, 31))
         + company('Older Carrier Ltd', '12 Main St', 'Québec', 'QC', 'Canada',
                   'G1K 3A9', '418-555-0100', 'QC-998877')
         + struct.pack('<iII', 150000, 2005, 1) + text('Line one\r\nLine two', 84))
assert len(older) == 332
older += (b'1,2005/01/10,,1,0,150000,150320,320,210.50,0.1520,0,0,\n'
          b'2,2005/01/11,,0,0,150320,150900,580,0.00,0.1430,0,0,\n'
          b'3,2005/01/12,,2,1,150320,150900,580,0.00,0.0450,0,0,\n')
open('older-layout.irc', 'wb').write(older)

# Current layout (508 bytes): fuel code 2 (gasoline), notes at 380, reserved bytes zero.
current = (struct.pack('<II', 61475, 0) + dates((2026, 4, 1), (2026, 6, 30))
           + company('Hand Made Haulage', '99 Rue du Port', 'Gaspé', 'QC', 'Canada',
                     'G4X 1A1', '418-555-0199', 'CA-12345')
           + struct.pack('<iIII', 98765, 2026, 2, 2) + b'\0' * 8 + struct.pack('<I', 0)
           + b'\0' * 112 + text('Notes\r\nSecond line', 128))
assert len(current) == 508
current += (b'1,2026/04/03,,0,0,98765,99100,335,150.25,0.2020,0,0,\n'
            b'2,2026/04/04,,1,0,99100,99300,124,30.00,0.0900,1,1,\n'
            b'3,2026/04/04,,2,1,99100,99300,124,0.00,0.0379,1,1,\n')
open('current-layout.irc', 'wb').write(current)

# A small table: Quebec, Ontario and a surcharge slot, Canadian units, written the way
# the program writes tables (72 slot lines).
slots = [('Quebec', 'QC', 0.2020, 0.1920, 0), ('Ontario', 'ON', 0.0900, 0.0900, 0),
         ('ON Surcharge', 'ONS', 0.0379, 0.0163, 1)]
lines = ['#TAXHEAD#\t2026\t2\tCanada\t\n']
for i in range(72):
    name, abbrev, diesel, gas, flag = slots[i] if i < len(slots) else ('', '', 0, 0, 0)
    lines.append('%s\t%s\t%1.4f\t%1.4f\t%d\t\n' % (name, abbrev, diesel, gas, flag))
open('hand.itx', 'w', newline='').write(''.join(lines))
