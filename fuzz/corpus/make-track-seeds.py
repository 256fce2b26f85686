#!/usr/bin/env python3
"""Writes the hand-made seeds of the fit, tcx and gpx fuzz targets.

fit/records.fit        file id, records with heart rate, distance, altitude,
                       power and temperature, a compressed-timestamp record
                       that rolls over, a session message.
fit/big-endian.fit     big-endian definitions with a developer field, header
                       without its own checksum (12 bytes).
fit/chained.fit        two FIT files one after the other.
tcx/run.tcx            three trackpoints, one without position, with the
                       activity extension (RunCadence, Watts).
gpx/track.gpx          two segments with Garmin track point extensions.

Run from this folder: python3 make-track-seeds.py
"""
import struct

FIT_EPOCH = 631065600
START = 1376676310 - FIT_EPOCH


def crc16(data, crc=0):
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def definition(local, global_number, fields, big_endian=False, developer=()):
    order = ">" if big_endian else "<"
    header = 0x40 | local | (0x20 if developer else 0)
    out = struct.pack(order + "BBBHB", header, 0, 1 if big_endian else 0, global_number,
                      len(fields))
    for number, size, base_type in fields:
        out += bytes([number, size, base_type])
    if developer:
        out += bytes([len(developer)])
        for index, size in enumerate(developer):
            out += bytes([index, size, 0])
    return out


def fit_file(records, header_size=14):
    header = struct.pack("<BBHI4s", header_size, 0x20, 2132, len(records), b".FIT")
    if header_size == 14:
        header += struct.pack("<H", crc16(header))
    body = header + records
    return body + struct.pack("<H", crc16(body))


RECORD_FIELDS = [(253, 4, 0x86), (3, 1, 0x02), (5, 4, 0x86), (2, 2, 0x84), (7, 2, 0x84),
                 (13, 1, 0x01)]


def records_fit():
    out = definition(0, 0, [(253, 4, 0x86), (0, 1, 0x00)]) + struct.pack("<BIB", 0, START, 4)
    out += definition(1, 20, RECORD_FIELDS)
    for k in range(6):
        out += struct.pack("<BIBIHHb", 1, START + k, 120 + k, 350 * k, 2600 + k, 200, -3)
    out += definition(2, 20, [(3, 1, 0x02)])
    out += bytes([0x80 | (2 << 5) | ((START + 20) & 0x1F), 130])
    out += definition(3, 18, [(253, 4, 0x86), (2, 4, 0x86), (7, 4, 0x86), (9, 4, 0x86)])
    out += struct.pack("<BIIII", 3, START + 40, START, 40000, 1750)
    return fit_file(out)


def big_endian_fit():
    out = definition(0, 20, RECORD_FIELDS, big_endian=True, developer=(2, 1))
    for k in range(4):
        out += struct.pack(">BIBIHHbHB", 0, START + 2 * k, 140 + k, 500 * k, 2700, 250, 20,
                           0xBEEF, 7)
    return fit_file(out, header_size=12)


def chained_fit():
    first = definition(0, 20, RECORD_FIELDS[:2])
    second = definition(5, 20, RECORD_FIELDS[:3])
    for k in range(3):
        first += struct.pack("<BIB", 0, START + k, 100 + k)
        second += struct.pack("<BIBI", 5, START + 60 + k, 110 + k, 1000 * k)
    return fit_file(first) + fit_file(second)


TCX = """<?xml version="1.0" encoding="UTF-8"?>
<TrainingCenterDatabase xmlns="http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2"
  xmlns:ns3="http://www.garmin.com/xmlschemas/ActivityExtension/v2">
 <Activities><Activity Sport="Running"><Id>2012-12-26T21:29:53Z</Id><Notes>Seed</Notes>
  <Lap StartTime="2012-12-26T21:29:53Z"><TotalTimeSeconds>12</TotalTimeSeconds>
   <Track>
    <Trackpoint><Time>2012-12-26T21:29:53Z</Time>
     <Position><LatitudeDegrees>35.9518</LatitudeDegrees><LongitudeDegrees>-79.0931</LongitudeDegrees></Position>
     <AltitudeMeters>178.9</AltitudeMeters><DistanceMeters>0.0</DistanceMeters>
     <HeartRateBpm><Value>62</Value></HeartRateBpm>
     <Extensions><ns3:TPX><ns3:RunCadence>80</ns3:RunCadence><ns3:Watts>210</ns3:Watts></ns3:TPX></Extensions>
    </Trackpoint>
    <Trackpoint><Time>2012-12-26T21:29:58.5Z</Time><DistanceMeters>12.5</DistanceMeters>
     <HeartRateBpm><Value>70</Value></HeartRateBpm><Cadence>88</Cadence></Trackpoint>
    <Trackpoint><Time>2012-12-26T21:30:05+00:00</Time></Trackpoint>
   </Track>
  </Lap>
 </Activity></Activities>
</TrainingCenterDatabase>
"""

GPX = """<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="seed" xmlns="http://www.topografix.com/GPX/1/1"
  xmlns:gpxtpx="http://www.garmin.com/xmlschemas/TrackPointExtension/v1">
 <trk><name>Seed</name>
  <trkseg>
   <trkpt lat="46.0" lon="14.5"><ele>542.3</ele><time>2010-08-05T14:23:59Z</time>
    <extensions><gpxtpx:TrackPointExtension><gpxtpx:hr>120</gpxtpx:hr><gpxtpx:cad>85</gpxtpx:cad>
     <gpxtpx:atemp>18.5</gpxtpx:atemp></gpxtpx:TrackPointExtension><power>230</power></extensions>
   </trkpt>
   <trkpt lat="46.001" lon="14.5005"><ele>543.0</ele><time>2010-08-05T14:24:09Z</time></trkpt>
  </trkseg>
  <trkseg>
   <trkpt lat="46.01" lon="14.51"><time>2010-08-05T14:40:00Z</time></trkpt>
  </trkseg>
 </trk>
</gpx>
"""

if __name__ == "__main__":
    for name, data in [("fit/records.fit", records_fit()), ("fit/big-endian.fit", big_endian_fit()),
                       ("fit/chained.fit", chained_fit()), ("tcx/run.tcx", TCX.encode()),
                       ("gpx/track.gpx", GPX.encode())]:
        with open(name, "wb") as out:
            out.write(data)
