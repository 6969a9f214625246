program slides;

const
  name = 'Slideshow order of the sample';

begin
  writeln('beach, boats, dunes, harbour, Lighthouse, sunset');
end.
