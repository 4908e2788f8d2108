"""Artwork generator of the VELTO PC Cleaner download and installation guide.

Every picture that the guide carries among its resources is drawn here from
code, so that the images can be regenerated at any time with the same bytes.
The entry point is tools/make-artwork.
"""
